#include <algorithm>
#include <cstring>

#include "view/knoll_canvas_pane.h"

// The map's display choices on the canvas, the range Height Colours spreads, and scrolls
// that move the map already drawn instead of drawing it all again.

void KnollCanvasPane::SetMapChoices(const MapChoices& choices) {
    choices_ = choices;
    TakeRange();
    OnRedraw(0, 0, 0, 0);
    RedrawLegend();
    if (follower_) follower_->FieldChanged();
}

bool KnollCanvasPane::SpreadsHeights() const {
    return choices_.heightColours && document_.field().kind() == kSixteenBitField;
}

// With the relief a changed row changes the shades of the block rows next to its own.
int KnollCanvasPane::RowReach() const { return choices_.relief ? scale_.BlockSize() : 0; }

void KnollCanvasPane::TakeRange() {
    shownRange_ = fieldRange_.Range(document_.field());
    rangeTaken_ = true;
}

// The colours follow a changed range only once the work that changed it is done, so
// they do not shift under a sweep.
void KnollCanvasPane::FollowRange() {
    const ValueRange before = shownRange_;
    TakeRange();
    if (SpreadsHeights() && !(shownRange_ == before)) {
        OnRedraw(0, 0, 0, 0);
        RedrawLegend();
        if (follower_) follower_->FieldChanged();
    }
}

MapColours KnollCanvasPane::CurrentColours() {
    if (!rangeTaken_ && SpreadsHeights()) TakeRange();
    return ShownColours();
}

void KnollCanvasPane::DrawMapRows(Raster& view, vPoint offset, ViewRows rows) {
    if (scale_.IsReduced()) reduced_.Update(document_.field(), -scale_.level());
    DrawScaledView(document_.field(), reduced_, scale_, offset, view, rows, CurrentColours());
}

KnollCanvasPane::DrawnMap KnollCanvasPane::MapNow() {
    const Raster& surface = Surface();
    return {true, scale_, choices_, shownRange_, document_.field().palette(), surface.Width(), surface.Height()};
}

void KnollCanvasPane::RecordDrawnMap() {
    drawnMap_ = MapNow();
    drawnAt_ = vPoint{hOffset_, vOffset_};
}

namespace {

// The view's pixels moved by (dx, dy): pixel (x, y) takes what (x + dx, y + dy) showed.
void MovePixels(Raster& view, int dx, int dy) {
    const int width = view.Width() - std::abs(dx);
    const int from = std::max(dx, 0), to = std::max(-dx, 0);
    auto moveRow = [&](int y) {
        std::memmove(view.Row(y) + to, view.Row(y + dy) + from, size_t(width) * sizeof(uint32_t));
    };
    if (dy > 0) {
        for (int y = 0; y + dy < view.Height(); ++y) moveRow(y);
    } else {
        for (int y = view.Height() - 1; y + dy >= 0; --y) moveRow(y);
    }
}

}  // namespace

// A scroll at a power of two moves every pixel by whole pixels: what was drawn is moved
// and only the strips the scroll uncovers are drawn. A map drawn at other offsets alone,
// with nothing over it, can be moved; anything else is drawn whole.
bool KnollCanvasPane::ShiftDrawnMap() {
    Raster& surface = Surface();
    if (!drawnMap_.valid || !(drawnMap_ == MapNow()) || scale_.IsFractional() || legendShown_ ||
        document_.selection().state() != FieldSelection::kIdle) {
        return false;
    }
    auto pixels = [this](int positions) {
        return scale_.IsReduced() ? positions / scale_.BlockSize() : positions * scale_.Magnification();
    };
    const int dx = pixels(hOffset_ - drawnAt_.x), dy = pixels(vOffset_ - drawnAt_.y);
    if (std::abs(dx) >= surface.Width() || std::abs(dy) >= surface.Height()) return false;
    MovePixels(surface, dx, dy);
    const vPoint offset{hOffset_, vOffset_};
    if (dy > 0) DrawMapRows(surface, offset, ViewRows{surface.Height() - dy, surface.Height()});
    if (dy < 0) DrawMapRows(surface, offset, ViewRows{0, -dy});
    if (dx != 0) DrawMapColumns(dx > 0 ? surface.Width() - dx : 0, dx > 0 ? surface.Width() : -dx);
    drawnAt_ = offset;
    SurfaceChanged();
    return true;
}

// Columns first..end - 1 of the view, drawn aside from the first whole position they
// show and copied in.
void KnollCanvasPane::DrawMapColumns(int first, int end) {
    Raster& surface = Surface();
    const int magnification = scale_.Magnification();
    const int aligned = first / magnification * magnification;
    Raster strip(end - aligned, surface.Height());
    DrawMapRows(strip, vPoint{scale_.ToField(aligned, hOffset_), vOffset_}, ViewRows{});
    for (int y = 0; y < surface.Height(); ++y) {
        std::copy(strip.Row(y) + (first - aligned), strip.Row(y) + (end - aligned), surface.Row(y) + first);
    }
}
