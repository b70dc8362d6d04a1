#include "ops/selection.h"

#include <utility>

#include "framework/draw/brush.h"
#include "framework/draw/pen.h"

void FieldSelection::Begin() {
    state_ = kOutlining;
    points_.clear();
}

void FieldSelection::AddVertex(int x, int y) { points_.push_back({x, y}); }

bool FieldSelection::AddClickedVertex(int x, int y, int width, int height) {
    if (points_.empty()) {
        AddVertex(x, y);
        return true;
    }
    const vPoint& last = points_.back();
    if (x == last.x && y == last.y) return false;
    points_.push_back(ClipToField(last, vPoint{x, y}, width, height));
    return true;
}

vPoint FieldSelection::ClipToField(const vPoint& from, vPoint to, int width, int height) {
    if (to.x != from.x && to.x > width) {
        to.y = int(from.y + int64_t(to.y - from.y) * (width - from.x) / (to.x - from.x));
        to.x = width;
    }
    if (to.y != from.y && to.y > height) {
        to.x = int(from.x + int64_t(to.x - from.x) * (height - from.y) / (to.y - from.y));
        to.y = height;
    }
    return to;
}

bool FieldSelection::Close(HeightField& field) {
    if (points_.size() < 3) {
        points_.clear();
        return false;
    }
    points_.push_back(points_.front());
    state_ = kChosen;
    DrawMask(field);
    return true;
}

void FieldSelection::End(HeightField& field) {
    state_ = kIdle;
    points_.clear();
    field.ClearMask();
}

void FieldSelection::Restore(State state, std::vector<vPoint> points, HeightField& field) {
    state_ = state;
    points_ = std::move(points);
    if (state_ == kChosen) {
        DrawMask(field);
    } else {
        field.ClearMask();
    }
}

void FieldSelection::Double() {
    for (vPoint& point : points_) {
        point.x *= 2;
        point.y *= 2;
    }
}

void FieldSelection::Halve() {
    for (vPoint& point : points_) {
        point.x /= 2;
        point.y /= 2;
    }
}

void FieldSelection::DrawMask(HeightField& field) const {
    field.ClearMask();
    TarnMemoryDC& mask = field.mask();
    mask.UsePen(vPen(0, 0, 0));
    mask.UseBrush(vBrush(0, 0, 0, vSolid, vAlternate));
    // The closing entry is passed too: the polygon leaves out the last point it is given.
    mask.PaintPolygon(int(points_.size()), points_.data(), vAlternate);
}
