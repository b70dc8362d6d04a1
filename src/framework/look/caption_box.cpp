#include "framework/look/caption_box.h"

#include <algorithm>

#include "framework/draw/raster.h"
#include "framework/look/dialog_units.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

namespace {

bool Inside(const vRect& r, int x, int y) { return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h; }

void PaintCross(vDC& dc, const vRect& box) {
    dc.UsePen(vPen(0, 0, 0, 1));
    int inset = 4;
    dc.PaintLine(box.x + inset, box.y + inset, box.x + box.w - inset, box.y + box.h - inset);
    dc.PaintLine(box.x + box.w - inset - 1, box.y + inset, box.x + inset - 1, box.y + box.h - inset);
}

// The icon is copied as it is, centred in the caption's height.
void PaintIcon(vDC& dc, const Raster& icon, int x, int y) {
    Raster* surface = dc.AcquireSurface();
    if (surface) {
        for (int row = 0; row < icon.Height(); ++row) {
            for (int col = 0; col < icon.Width(); ++col) surface->Set(x + col, y + row, icon.At(col, row));
        }
    }
    dc.ReleaseSurface();
}

}  // namespace

vRect vCaptionBox::CloseBox(int width) {
    int side = kCaptionHeight - 6;
    return {width - kBorder - side - 2, kBorder + 3, side, side};
}

void vCaptionBox::Paint(vDC& dc, int width, int height, std::string_view title, bool active,
                        const Raster* icon) const {
    vPaint::Fill(dc, {0, 0, width, height}, vColorButtonFace);
    vPaint::RaisedEdge(dc, {0, 0, width, height});
    vRect caption = Caption(width);
    vPaint::Fill(dc, caption, active ? vColorActiveCaption : vColorInactiveCaption);
    int textLeft = caption.x + 4;
    if (icon) {
        PaintIcon(dc, *icon, caption.x + 2, caption.y + (caption.h - icon->Height()) / 2);
        textLeft += icon->Width() + 2;
    }
    dc.UseFont(vDialogFont());
    int textTop = caption.y + (caption.h - vPaint::LineHeight(dc)) / 2;
    vRect close = CloseBox(width);
    vPaint::Text(dc, textLeft, textTop, vPaint::Clipped(dc, title, close.x - textLeft - 4), vColorCaptionText);
    vPaint::Fill(dc, close, vColorButtonFace);
    if (closePressed_) vPaint::Frame(dc, close, vColorButtonShadow);
    else vPaint::RaisedEdge(dc, close);
    PaintCross(dc, close);
}

vCaptionBox::Step vCaptionBox::Pointer(const vPlatformEvent& event, int width) {
    Step step;
    bool onClose = Inside(CloseBox(width), event.x, event.y);
    if (event.kind == vEventKind::ButtonDown && event.button == 1) {
        if (event.y >= ClientTop()) return step;
        if (onClose) closePressed_ = true;
        else dragging_ = true;
        pressX_ = event.x;
        pressY_ = event.y;
        step.used = step.capture = true;
        return step;
    }
    if (!dragging_ && !closePressed_) return step;
    step.used = true;
    if (event.kind == vEventKind::PointerMove && dragging_) {
        step.dx = event.x - pressX_;
        step.dy = event.y - pressY_;
    }
    if (event.kind == vEventKind::ButtonUp) {
        step.close = closePressed_ && onClose;
        step.release = true;
        dragging_ = closePressed_ = false;
    }
    return step;
}

vPoint vReachableStep(const vRect& box, int dx, int dy, const vRect& area) {
    int left = std::clamp(box.x + dx, area.x + vCaptionBox::kReachable - box.w,
                          std::max(area.x, area.x + area.w - vCaptionBox::kReachable));
    int top = std::clamp(box.y + dy, area.y, std::max(area.y, area.y + area.h - vCaptionBox::kCaptionHeight));
    return {left - box.x, top - box.y};
}
