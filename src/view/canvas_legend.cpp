#include "framework/draw/brush.h"
#include "framework/draw/pen.h"
#include "view/knoll_canvas_pane.h"

// The palette legend: 256 lines of the palette's colours in a framed strip along one
// edge of the view, drawn over the field until the next press on the canvas.

namespace {

constexpr int kLegendLength = 256;
// Room across the strip: the frame's 33 positions and a margin.
constexpr int kLegendBreadth = 35;
constexpr int kFrameBreadth = 33;
constexpr int kFrameLength = 265;

}  // namespace

int KnollCanvasPane::ShowPaletteLegend(LegendEdge edge) {
    legendShown_ = true;
    legendEdge_ = edge;
    bool vertical = edge == LegendEdge::Left || edge == LegendEdge::Right;
    int along = vertical ? viewHeight_ : viewWidth_;
    int across = vertical ? viewWidth_ : viewHeight_;
    if (along < kLegendLength || across < kLegendBreadth) return kLegendTooSmall;
    FlushView();
    UsePen(vPen(0, 0, 0));
    UseBrush(vBrush(255, 254, 255));
    if (vertical) {
        DrawVerticalLegend(edge);
    } else {
        DrawHorizontalLegend(edge);
    }
    return kLegendDrawn;
}

// The highest index at the top.
void KnollCanvasPane::DrawVerticalLegend(LegendEdge edge) {
    const Palette& palette = document_.field().palette();
    int top = viewHeight_ / 2 - kLegendLength / 2;
    int column = edge == LegendEdge::Left ? 1 : viewWidth_ - 36;
    PaintBox(column, top - 4, kFrameBreadth, kFrameLength);
    int from = edge == LegendEdge::Left ? 5 : column + 5;
    int to = edge == LegendEdge::Left ? 30 : column + 30;
    for (int i = 0; i < kLegendLength; ++i) {
        const vColor& colour = palette[kLegendLength - 1 - i];
        UsePen(vPen(colour.R(), colour.G(), colour.B()));
        PaintLine(from, top + i, to, top + i);
    }
}

// Index 0 at the left.
void KnollCanvasPane::DrawHorizontalLegend(LegendEdge edge) {
    const Palette& palette = document_.field().palette();
    int left = viewWidth_ / 2 - kLegendLength / 2;
    int row = edge == LegendEdge::Up ? 1 : viewHeight_ - 36;
    PaintBox(left - 4, row, kFrameLength, kFrameBreadth);
    int from = edge == LegendEdge::Up ? 5 : row + 5;
    int to = edge == LegendEdge::Up ? 30 : row + 30;
    for (int i = 0; i < kLegendLength; ++i) {
        const vColor& colour = palette[i];
        UsePen(vPen(colour.R(), colour.G(), colour.B()));
        PaintLine(left + i, from, left + i, to);
    }
}

// Copying the view anew would wipe the legend, which lasts until the next press.
void KnollCanvasPane::RedrawLegend() {
    if (legendShown_) ShowPaletteLegend(legendEdge_);
}

// The next press takes the legend away: the pane cleared and the view copied again.
void KnollCanvasPane::HideLegend() {
    legendShown_ = false;
    drawnMap_.valid = false;
    if (GetDC()) GetDC()->Erase();
    RefreshView();
}
