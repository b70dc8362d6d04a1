#include "framework/dialogs/dialog_view.h"

#include "framework/dialogs/dialog.h"
#include "framework/window/frame.h"

vDialogView::vDialogView(vDialog& dialog) : dialog_(dialog), host_(*this, dialog) {
    host_.SetOrigin(ClientLeft(), ClientTop());
}

void vDialogView::Paint() {
    vViewDC dc(*this);
    caption_.Paint(dc, Bounds().w, Bounds().h, dialog_.Name(), dialog_.ContainerHasFocus());
    dc.SetTranslate(ClientLeft(), ClientTop());
    dialog_.PaintControls(dc);
}

bool vDialogView::CaptionInput(const vPlatformEvent& event) {
    if (event.kind == vEventKind::ButtonDown && event.button == 1 && event.y < ClientTop()) host_.HideTip();
    vCaptionBox::Step step = caption_.Pointer(event, Bounds().w);
    if (!step.used) return false;
    vFrame* frame = Frame();
    if (step.capture && frame) frame->CapturePointer(this);
    if (step.dx != 0 || step.dy != 0) {
        vRect area = frame ? frame->ClientArea() : Bounds();
        vPoint move = vReachableStep(Bounds(), step.dx, step.dy, area);
        MoveBy(move.x, move.y);
    }
    if (step.release && frame) frame->ReleasePointer(this);
    if (step.capture || step.release) Invalidate();
    if (step.close) dialog_.ClickCancel();
    return true;
}

bool vDialogView::HandleInput(const vPlatformEvent& event) {
    switch (event.kind) {
    case vEventKind::ButtonDown:
    case vEventKind::ButtonUp:
    case vEventKind::PointerMove:
        if (CaptionInput(event)) return true;
        host_.Pointer(event);
        return true;
    case vEventKind::Wheel:
        host_.Pointer(event);
        return true;
    case vEventKind::KeyDown:
    case vEventKind::TextInput:
        return host_.Key(event) || dialog_.IsModal();
    default:
        return false;
    }
}

// The press in progress is over: the caption stops dragging, and neither the close box
// nor a control acts on it.
void vDialogView::OnCaptureLost() {
    caption_.CancelPress();
    host_.CaptureLost();
    Invalidate();
}

void vDialogView::OnFocusChange(bool hasFocus) {
    dialog_.ContainerFocusChanged(hasFocus);
    Invalidate();
}
