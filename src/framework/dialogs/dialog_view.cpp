#include "framework/dialogs/dialog_view.h"

#include <algorithm>

#include "framework/controls/paint.h"
#include "framework/dialogs/dialog.h"
#include "framework/window/app.h"
#include "framework/window/dialog_units.h"
#include "framework/window/system_colors.h"

vDialogView::vDialogView(vDialog& dialog) : dialog_(dialog), host_(*this, dialog) {
    host_.SetOrigin(ClientLeft(), ClientTop());
}

vRect vDialogView::CloseBox() const {
    int side = kCaptionHeight - 6;
    return {Bounds().w - kBorder - side - 2, kBorder + 3, side, side};
}

void vDialogView::Paint() {
    vViewDC dc(*this);
    int w = Bounds().w, h = Bounds().h;
    vPaint::Fill(dc, {0, 0, w, h}, vColorButtonFace);
    vPaint::RaisedEdge(dc, {0, 0, w, h});
    bool active = dialog_.ContainerHasFocus();
    vRect caption{kBorder, kBorder, w - 2 * kBorder, kCaptionHeight};
    vPaint::Fill(dc, caption, active ? vColorActiveCaption : vColorInactiveCaption);
    dc.UseFont(vDialogFont());
    int textTop = caption.y + (caption.h - vPaint::LineHeight(dc)) / 2;
    vRect close = CloseBox();
    vPaint::Text(dc, caption.x + 4, textTop, vPaint::Clipped(dc, dialog_.name(), close.x - caption.x - 8),
                 vColorCaptionText);
    vPaint::Fill(dc, close, vColorButtonFace);
    if (closePressed_) vPaint::Frame(dc, close, vColorButtonShadow);
    else vPaint::RaisedEdge(dc, close);
    // The cross of the close box.
    dc.UsePen(vPen(0, 0, 0, 1));
    int inset = 4;
    dc.PaintLine(close.x + inset, close.y + inset, close.x + close.w - inset, close.y + close.h - inset);
    dc.PaintLine(close.x + close.w - inset - 1, close.y + inset, close.x + inset - 1, close.y + close.h - inset);
    dc.SetTranslate(ClientLeft(), ClientTop());
    dialog_.PaintControls(dc);
}

void vDialogView::DragTo(int x, int y) {
    vApp* app = vApp::Instance();
    if (!app) return;
    // The caption stays within the frame, so the dialog can always be moved back.
    vRect b = Bounds();
    int left = std::clamp(b.x + x - dragX_, 40 - b.w, std::max(0, app->Frame().Width() - 40));
    int top = std::clamp(b.y + y - dragY_, app->Frame().ClientOrigin(),
                         std::max(app->Frame().ClientOrigin(), app->Frame().Height() - kCaptionHeight));
    MoveBy(left - b.x, top - b.y);
}

bool vDialogView::CaptionInput(const vPlatformEvent& event) {
    vApp* app = vApp::Instance();
    vRect close = CloseBox();
    bool onClose = event.x >= close.x && event.y >= close.y && event.x < close.x + close.w && event.y < close.y + close.h;
    if (event.kind == vEventKind::ButtonDown && event.button == 1) {
        if (event.y >= ClientTop()) return false;
        host_.HideTip();
        if (onClose) closePressed_ = true;
        else dragging_ = true;
        dragX_ = event.x;
        dragY_ = event.y;
        if (app) app->Frame().CapturePointer(this);
        Invalidate();
        return true;
    }
    if (!dragging_ && !closePressed_) return false;
    if (event.kind == vEventKind::PointerMove && dragging_) DragTo(event.x, event.y);
    if (event.kind == vEventKind::ButtonUp) {
        bool clicked = closePressed_ && onClose;
        dragging_ = closePressed_ = false;
        if (app) app->Frame().ReleasePointer(this);
        Invalidate();
        if (clicked) dialog_.ClickCancel();
    }
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
    dragging_ = closePressed_ = false;
    host_.CaptureLost();
    Invalidate();
}

void vDialogView::OnFocusChange(bool hasFocus) {
    dialog_.ContainerFocusChanged(hasFocus);
    Invalidate();
}
