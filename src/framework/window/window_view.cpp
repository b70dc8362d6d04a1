#include "framework/window/window_view.h"

#include "framework/look/paint.h"
#include "framework/look/program_icon.h"
#include "framework/look/system_colors.h"
#include "framework/window/app.h"
#include "framework/window/window.h"

void vWindowView::SetMaximized(bool maximized) {
    if (maximized_ == maximized) return;
    maximized_ = maximized;
    // Maximized, the view is only the white behind the canvas: no full-screen surface.
    SetFlatColor(maximized ? std::optional<uint32_t>(vColorWindowBack.Pixel()) : std::nullopt);
}

void vWindowView::SetActiveLook(bool active) {
    if (active_ == active) return;
    active_ = active;
    if (!maximized_) Invalidate();
}

vRect vWindowView::ClientRect() const {
    const vRect& b = Bounds();
    if (maximized_) return b;
    return vRect{b.x + kBorder, b.y + kBorder + kCaptionHeight, std::max(b.w - 2 * kBorder, 0),
                 std::max(b.h - 2 * kBorder - kCaptionHeight, 0)};
}

// The client area shows white until a canvas covers it; a restored window adds the
// captioned border with the program's icon.
void vWindowView::Paint() {
    if (maximized_) return;
    vViewDC dc(*this);
    caption_.Paint(dc, Bounds().w, Bounds().h, window_.Name(), active_, &vProgramIcon());
    vRect client = ClientRect();
    vPaint::Fill(dc, {client.x - Bounds().x, client.y - Bounds().y, client.w, client.h}, vColorWindowBack);
}

// The view sees only what the canvas left: presses on the caption and border.
bool vWindowView::HandleInput(const vPlatformEvent& event) {
    vFrame* frame = Frame();
    if (!frame || maximized_) return false;
    vCaptionBox::Step step = caption_.Pointer(event, Bounds().w);
    if (!step.used) return event.kind == vEventKind::ButtonDown && event.button == 1;
    if (step.capture) frame->CapturePointer(this);
    if (step.dx != 0 || step.dy != 0) {
        vPoint move = vReachableStep(Bounds(), step.dx, step.dy, frame->WindowArea());
        MoveBy(move.x, move.y);
    }
    if (step.release) frame->ReleasePointer(this);
    if (step.capture || step.release) Invalidate();
    if (step.close) frame->App().DropWindow(&window_);
    return true;
}
