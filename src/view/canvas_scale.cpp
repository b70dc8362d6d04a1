#include "view/knoll_canvas_pane.h"

// The scale of the view: zooming in and out around a view position, fitting the field,
// and the wheel with Ctrl.

void KnollCanvasPane::ZoomIn() { SetScaleAround(scale_.level() + 1, viewWidth_ / 2, viewHeight_ / 2); }
void KnollCanvasPane::ZoomOut() { SetScaleAround(scale_.level() - 1, viewWidth_ / 2, viewHeight_ / 2); }
void KnollCanvasPane::ActualSize() { SetScaleAround(0, viewWidth_ / 2, viewHeight_ / 2); }

void KnollCanvasPane::FitField() {
    int level = KnollViewScale::FitLevel(document_.field().width(), document_.field().height(), viewWidth_, viewHeight_);
    SetScaleAround(level, viewWidth_ / 2, viewHeight_ / 2);
}

void KnollCanvasPane::OnZoomWheel(int x, int y, int notches) { SetScaleAround(scale_.level() + notches, x, y); }

// The field position at view position (x, y) stays there, as near as the block grid
// allows. The view is drawn again with the outline and the legend; a rubber band is
// dropped with it.
void KnollCanvasPane::SetScaleAround(int level, int x, int y) {
    const vPoint kept = InField(x, y);
    scale_.SetLevel(level);
    const vPoint origin = InField(x, y);
    hOffset_ += kept.x - origin.x;
    vOffset_ += kept.y - origin.y;
    FitOffsetsToField();
    RecomputeThumbs();
    UpdateScrollBars();
    if (GetDC()) GetDC()->Erase();
    OnRedraw(0, 0, 0, 0);
    RedrawLegend();
    if (document_.selection().vertexCount() > 0) lastVertex_ = bandEnd_ = OnPane(document_.selection().points().back());
    if (owner_) owner_->ShowScale(scale_.Label().c_str());
}
