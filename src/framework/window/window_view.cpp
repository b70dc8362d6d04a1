#include "framework/window/window_view.h"

#include "framework/window/app.h"
#include "framework/look/dialog_units.h"
#include "framework/look/system_colors.h"
#include "framework/window/window.h"

namespace {

constexpr int kCloseBoxSize = 14;

void UsePenOf(vDC& dc, const vColor& color) { dc.UsePen(vPen(color.r(), color.g(), color.b())); }

}  // namespace

void vWindowView::SetMaximized(bool maximized) {
    if (maximized_ == maximized) return;
    maximized_ = maximized;
    Invalidate();
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

vRect vWindowView::CloseBox() const {
    return vRect{Bounds().w - kBorder - kCloseBoxSize - 3, kBorder + (kCaptionHeight - kCloseBoxSize) / 2,
                 kCloseBoxSize, kCloseBoxSize};
}

bool vWindowView::InCaption(int x, int y) const {
    return !maximized_ && y >= kBorder && y < kBorder + kCaptionHeight && x >= kBorder &&
           x < Bounds().w - kBorder;
}

// The client area shows white until a canvas covers it; a restored window adds its
// frame: border, caption with the title, close box.
void vWindowView::Paint() {
    vViewDC dc(*this);
    dc.SetBackColor(vColorWindowBack);
    dc.Erase();
    if (maximized_) return;
    int w = Bounds().w, h = Bounds().h;
    const vColor& caption = active_ ? vColorActiveCaption : vColorInactiveCaption;
    UsePenOf(dc, vColorDarkShadow);
    dc.UseBrush(vBrush(vColorButtonFace.r(), vColorButtonFace.g(), vColorButtonFace.b()));
    dc.PaintBox(0, 0, w - 1, h - 1);
    UsePenOf(dc, caption);
    dc.UseBrush(vBrush(caption.r(), caption.g(), caption.b()));
    dc.PaintBox(kBorder, kBorder, w - 2 * kBorder - 1, kCaptionHeight - 1);
    dc.UseFont(vDialogFont());
    dc.UsePen(vPen(vColorCaptionText.r(), vColorCaptionText.g(), vColorCaptionText.b(), 1, vTransparent));
    dc.WriteText(kBorder + 4, kBorder + kCaptionHeight - 5, window_.name());
    vRect box = CloseBox();
    UsePenOf(dc, vColorDarkShadow);
    dc.UseBrush(vBrush(vColorButtonFace.r(), vColorButtonFace.g(), vColorButtonFace.b()));
    dc.PaintBox(box.x, box.y, box.w - 1, box.h - 1);
    UsePenOf(dc, vColor(0, 0, 0));
    dc.PaintLine(box.x + 3, box.y + 3, box.x + box.w - 3, box.y + box.h - 3);
    dc.PaintLine(box.x + box.w - 4, box.y + 3, box.x + 2, box.y + box.h - 3);
}

// The view sees only what the canvas left: presses on the caption and border.
bool vWindowView::HandleInput(const vPlatformEvent& event) {
    vApp* app = vApp::Instance();
    if (!app || maximized_) return false;
    vRect box = CloseBox();
    switch (event.kind) {
        case vEventKind::ButtonDown:
            if (event.button != 1) return false;
            if (event.x >= box.x && event.y >= box.y && event.x < box.x + box.w && event.y < box.y + box.h) {
                app->DropWindow(&window_);
                return true;
            }
            if (InCaption(event.x, event.y)) {
                dragging_ = true;
                dragX_ = event.x;
                dragY_ = event.y;
                app->Frame().CapturePointer(this);
            }
            return true;
        case vEventKind::PointerMove:
            if (dragging_) MoveBy(event.x - dragX_, event.y - dragY_);
            return dragging_;
        case vEventKind::ButtonUp:
            if (!dragging_) return false;
            dragging_ = false;
            app->Frame().ReleasePointer(this);
            return true;
        default: return false;
    }
}
