#include "view/knoll_canvas_pane.h"

// The scale of the view: zooming in and out around a view position, fitting the field,
// and the wheel with Ctrl.

void KnollCanvasPane::ZoomIn() { SetScaleAround(scale_.LevelAfter(1), viewWidth_ / 2, viewHeight_ / 2); }
void KnollCanvasPane::ZoomOut() { SetScaleAround(scale_.LevelAfter(-1), viewWidth_ / 2, viewHeight_ / 2); }
void KnollCanvasPane::ActualSize() { SetScaleAround(0, viewWidth_ / 2, viewHeight_ / 2); }

// The whole field needs no bars, so it fits the area they would leave.
void KnollCanvasPane::FitField() {
    const HeightField& field = document_.field();
    const vPoint whole = ViewWithoutBars();
    ApplyScale(KnollViewScale::Fit(field.width(), field.height(), whole.x, whole.y), viewWidth_ / 2,
               viewHeight_ / 2);
}

// The pointer stays where it is, so the read-out tells what it now points at.
void KnollCanvasPane::OnZoomWheel(int x, int y, int notches) {
    SetScaleAround(scale_.LevelAfter(notches), x, y);
    ShowReadOut(x, y);
}

void KnollCanvasPane::SetScaleAround(int level, int x, int y) {
    KnollViewScale scale;
    scale.SetLevel(level);
    ApplyScale(scale, x, y);
}

// The field position at view position (x, y) stays there, as near as the block grid
// allows. The view is drawn again with the outline and the legend; a rubber band is
// dropped with it.
void KnollCanvasPane::ApplyScale(const KnollViewScale& scale, int x, int y) {
    const vPoint kept = InField(x, y);
    scale_ = scale;
    // A bar that comes or goes resizes the pane, which starts it at the field's corner;
    // the bars are therefore settled before the offsets are placed.
    RecomputeThumbs();
    UpdateScrollBars();
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
