#include <algorithm>
#include <vector>

#include "framework/draw/pen.h"
#include "view/knoll_canvas_pane.h"

// The selection state machine, the left-button press and release that arm and run
// operations, and the read-out of the height under the pointer.
//
// Vertices are kept in field coordinates (the click through the scale, plus the scroll
// offsets), so the mask lies under the outline the user drew however the view was
// scrolled or scaled.

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 3;

// Near-white, not the no-value white, so the outline's core reads as a height.
vPen NearWhitePen() { return vPen(255, 254, 255); }

constexpr vPoint kNoBand{-1, -1};

bool operator==(const vPoint& a, const vPoint& b) { return a.x == b.x && a.y == b.y; }

}  // namespace

void KnollCanvasPane::SetSelectMode(int on) {
    if (on) {
        document_.BeginSelection();
    } else {
        document_.EndSelection();
    }
    RefreshView();
    if (follower_) follower_->FieldChanged();
}

vPoint KnollCanvasPane::OnPane(const vPoint& fieldPoint) const {
    return vPoint{scale_.ToView(fieldPoint.x, hOffset_), scale_.ToView(fieldPoint.y, vOffset_)};
}

vPoint KnollCanvasPane::InField(int x, int y) const {
    return vPoint{scale_.ToField(x, hOffset_), scale_.ToField(y, vOffset_)};
}

// ---- Buttons ----------------------------------------------------------------------------------

void KnollCanvasPane::OnMouseDown(int x, int y, int button) {
    if (legendShown_) HideLegend();
    if (button != kLeftButton) return;
    if (document_.selection().state() == FieldSelection::kOutlining) {
        PressWhileOutlining(x, y);
    } else if (owner_) {
        owner_->ArmOperation();
    }
}

void KnollCanvasPane::PressWhileOutlining(int x, int y) {
    FlushView();
    if (document_.selection().vertexCount() == 0) {
        vPoint vertex = InField(x, y);
        document_.selection().AddVertex(vertex.x, vertex.y);
        lastVertex_ = bandEnd_ = OnPane(vertex);
        return;
    }
    lastVertex_ = OnPane(document_.selection().points().back());
    bandEnd_ = vPoint{x, y};
    XorLine(lastVertex_.x, lastVertex_.y, x, y);
}

void KnollCanvasPane::OnMouseUp(int x, int y, int button) {
    if (button == kRightButton && document_.selection().state() == FieldSelection::kOutlining) {
        ClosePolygon();
        return;
    }
    if (button != kLeftButton) return;
    if (owner_) owner_->SetUndoKeep(1);
    switch (document_.selection().state()) {
        case FieldSelection::kIdle:
            RunArmedOperation(0);
            break;
        case FieldSelection::kOutlining: ReleaseWhileOutlining(x, y); break;
        case FieldSelection::kChosen: ReleaseWhileChosen(x, y); break;
    }
}

void KnollCanvasPane::ReleaseWhileOutlining(int x, int y) {
    vPoint clicked = InField(x, y);
    if (clicked == InField(lastVertex_.x, lastVertex_.y)) return;
    FlushView();
    if (clicked.x > document_.field().width() || clicked.y > document_.field().height()) {
        XorLine(bandEnd_.x, bandEnd_.y, lastVertex_.x, lastVertex_.y);
    }
    if (!document_.selection().AddClickedVertex(clicked.x, clicked.y, document_.field().width(), document_.field().height())) return;
    OnRedraw(0, 0, 0, 0);
    lastVertex_ = OnPane(document_.selection().points().back());
    bandEnd_ = kNoBand;
}

void KnollCanvasPane::ReleaseWhileChosen(int x, int y) {
    vPoint position = InField(x, y);
    int area = document_.field().MaskTest(position.x, position.y) + 1;
    RunArmedOperation(area);
    OnRedraw(0, 0, 0, 0);
}

// A right click closes the outline into the mask, or with fewer than three vertices
// starts the outline over.
void KnollCanvasPane::ClosePolygon() {
    if (!document_.CloseSelection()) {
        RefreshView();
        return;
    }
    DrawOutline();
    if (follower_) follower_->FieldChanged();
}

// ---- Drawing the selection ----------------------------------------------------------------------

// Also the pane's repaint, so the copy is taken now rather than deferred.
// A repaint may follow an erase, so nothing drawn before is kept.
void KnollCanvasPane::OnRedraw(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {
    drawnMap_.valid = false;
    CopyView();
    DrawOutline();
}

// At 1:1 the copy covers the pane up to the field's right and bottom edges.
vRect KnollCanvasPane::RedrawCover() {
    if (!ShowsWorkingImage()) return {};
    FitOffsetsToField();
    return {0, 0, std::min(viewWidth_, document_.field().width() - hOffset_),
            std::min(viewHeight_, document_.field().height() - vOffset_)};
}

// Outlining: an open line in near-white. Chosen: the closed polygon as a black line
// two pixels wide with a near-white core.
void KnollCanvasPane::DrawOutline() {
    if (document_.selection().state() == FieldSelection::kIdle) return;
    FlushView();
    std::vector<vPoint> points;
    for (const vPoint& point : document_.selection().points()) points.push_back(OnPane(point));
    if (document_.selection().state() == FieldSelection::kOutlining) {
        UsePen(NearWhitePen());
        PaintPolyline(points.data(), int(points.size()));
        return;
    }
    UsePen(vPen(0, 0, 0, 2));
    PaintPolyline(points.data(), int(points.size()));
    UsePen(NearWhitePen());
    PaintPolyline(points.data(), int(points.size()));
    UsePen(vPen(0, 0, 0, 1));
}

// ---- Rubber band and read-out ---------------------------------------------------------------------

void KnollCanvasPane::OnMouseDrag(int x, int y, int button) {
    ShowReadOut(x, y);
    if (button != kLeftButton || document_.selection().state() != FieldSelection::kOutlining) return;
    vPoint to{x, y};
    if (!(bandEnd_ == lastVertex_)) XorLine(bandEnd_.x, bandEnd_.y, lastVertex_.x, lastVertex_.y);
    if (!(to == lastVertex_)) XorLine(x, y, lastVertex_.x, lastVertex_.y);
    bandEnd_ = to;
}

void KnollCanvasPane::OnMouseHover(int x, int y) { ShowReadOut(x, y); }

// Where the view is the working image, the height as the screen shows it, so the
// outline's near-white core reads 255 in an 8-bit field and 65279 in a 16-bit one; white
// reads 0. Elsewhere a pixel shows a mean, part of a position or a colour chosen for the
// height, so the field's own value is read; no value reads 0.
void KnollCanvasPane::ShowReadOut(int x, int y) {
    if (!ShowsWorkingImage()) {
        vPoint at = InField(x, y);
        int value = document_.field().FieldValue(at.x, at.y);
        if (owner_) owner_->ShowPosition(at.x, at.y, std::max(value, 0), value >= 0);
        return;
    }
    FlushView();
    const Raster& shown = Surface();
    if (!owner_ || x < 0 || y < 0 || x >= shown.Width() || y >= shown.Height()) return;
    int value = document_.field().DecodeValue(shown.At(x, y) & 0xFFFFFF);
    owner_->ShowPosition(x + hOffset_, y + vOffset_, std::max(value, 0), value >= 0);
}
