#include <algorithm>

#include "framework/canvas/scroll_bar.h"
#include "view/knoll_canvas_pane.h"

// The view's window onto the field: its size, the scroll offsets (the field position
// shown at the pane's top-left corner) and the bars, whose thumbs are percentages. All
// count in field positions, whatever the scale; a step or a page moves as many pixels
// at every scale.

namespace {

// One arrow click moves the view by this many pixels, one page click by this many.
constexpr int kStepPixels = 8;
constexpr int kPagePixels = 50;

int Percent(int part, int whole) { return whole > 0 ? int(int64_t(part) * 100 / whole) : 0; }

}  // namespace

void KnollCanvasPane::OnResize(int width, int height) {
    RefreshView();
    viewWidth_ = width;
    viewHeight_ = height;
    hOffset_ = 0;
    vOffset_ = 0;
    RecomputeThumbs();
    UpdateScrollBars();
}

void KnollCanvasPane::RecomputeThumbs() {
    hThumb_ = Percent(scale_.FieldSpan(viewWidth_), document_.field().width());
    vThumb_ = Percent(scale_.FieldSpan(viewHeight_), document_.field().height());
}

// The pane's whole drawing area, with the room of any bar shown now.
vPoint KnollCanvasPane::ViewWithoutBars() {
    int shown = 0, top = 0;
    return {viewWidth_ + (GetVScroll(shown, top) ? vScrollBar::kThickness : 0),
            viewHeight_ + (GetHScroll(shown, top) ? vScrollBar::kThickness : 0)};
}

// Away from 1:1, a field that the whole drawing area shows needs no bar, even where a bar
// shown now takes some of that area.
void KnollCanvasPane::UpdateScrollBars() {
    FitOffsetsToField();
    const vPoint whole = ViewWithoutBars();
    const bool fits = !scale_.IsActualSize() && scale_.FieldSpan(whole.x) >= document_.field().width() &&
                      scale_.FieldSpan(whole.y) >= document_.field().height();
    bool horizontal = !fits && scale_.FieldSpan(viewWidth_) < document_.field().width();
    ShowHScroll(horizontal);
    if (horizontal) SetBar(true);
    bool vertical = !fits && scale_.FieldSpan(viewHeight_) < document_.field().height();
    ShowVScroll(vertical);
    if (vertical) SetBar(false);
}

void KnollCanvasPane::SetBar(bool horizontal) {
    if (horizontal) {
        SetHScroll(hThumb_, Percent(hOffset_, document_.field().width()));
    } else {
        SetVScroll(vThumb_, Percent(vOffset_, document_.field().height()));
    }
}

// Offsets left over from a larger field would show beyond the field's edge. Zoomed out,
// they keep to the block grid, the last block partly beyond the edge if need be.
void KnollCanvasPane::FitOffsetsToField() {
    const int block = scale_.BlockSize();
    int lastH = std::max(document_.field().width() - scale_.FieldSpan(viewWidth_), 0);
    int lastV = std::max(document_.field().height() - scale_.FieldSpan(viewHeight_), 0);
    hOffset_ = scale_.OnGrid(std::clamp(hOffset_, 0, scale_.OnGrid(lastH + block - 1)));
    vOffset_ = scale_.OnGrid(std::clamp(vOffset_, 0, scale_.OnGrid(lastV + block - 1)));
}

void KnollCanvasPane::ScrollBy(int axes, int step) {
    if (axes & kHorizontal) {
        hOffset_ += step;
        FitOffsetsToField();
        SetBar(true);
    }
    if (axes & kVertical) {
        vOffset_ += step;
        FitOffsetsToField();
        SetBar(false);
    }
    RefreshView();
    RedrawLegend();
}

void KnollCanvasPane::OnHStep(int step) {
    RefreshView();
    ScrollBy(kHorizontal, scale_.ScrollSpan(kStepPixels) * step);
}

void KnollCanvasPane::OnVStep(int step) {
    RefreshView();
    ScrollBy(kVertical, scale_.ScrollSpan(kStepPixels) * step);
}

void KnollCanvasPane::OnHPage(int shown, int top) { PageTo(true, shown, top); }
void KnollCanvasPane::OnVPage(int shown, int top) { PageTo(false, shown, top); }

// A thumb released inside the visible part, or a page click towards it, jumps to the
// position; a page click beyond it moves by one page.
void KnollCanvasPane::PageTo(bool horizontal, int shown, int top) {
    int& offset = horizontal ? hOffset_ : vOffset_;
    int size = horizontal ? document_.field().width() : document_.field().height();
    int thumb = horizontal ? hThumb_ : vThumb_;
    int target = int(int64_t(top) * size / 100);
    int step = 0;
    if (target > offset) {
        if (top < Percent(offset, size) + thumb) {
            offset = target;
        } else {
            step = scale_.ScrollSpan(kPagePixels);
        }
    } else if (shown >= thumb) {
        offset = target;
    } else {
        step = -scale_.ScrollSpan(kPagePixels);
    }
    ScrollBy(horizontal ? kHorizontal : kVertical, step);
}
