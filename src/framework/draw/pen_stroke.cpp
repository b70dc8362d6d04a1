#include "framework/draw/pen_stroke.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A nib wider than any surface only costs time; nothing visible changes beyond this.
constexpr int kWidestNib = 4096;

std::vector<int> PatternFor(int style) {
    switch (style) {
        case vDash: return {18, 6};
        case vDot: return {3, 3};
        case vDashDot: return {9, 6, 3, 6};
        default: return {};
    }
}

int64_t FloorDiv(__int128 numerator, int64_t denominator) {
    __int128 quotient = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0) --quotient;
    return int64_t(quotient);
}

int64_t SquareRootFloor(int64_t value) {
    if (value <= 0) return 0;
    auto root = int64_t(std::sqrt(double(value)));
    while (root * root > value) --root;
    while ((root + 1) * (root + 1) <= value) ++root;
    return root;
}

// Whether the line's major coordinate falls from `from` to `to`.
bool RunsBackwards(vPoint from, vPoint to) {
    bool xMajor = std::abs(int64_t(to.x) - from.x) >= std::abs(int64_t(to.y) - from.y);
    return xMajor ? to.x < from.x : to.y < from.y;
}

}  // namespace

vPenStroke::vPenStroke(int surfaceWidth, int surfaceHeight, const vPen& pen)
    : coverage_(surfaceWidth, surfaceHeight), pattern_(PatternFor(pen.GetStyle())) {
    for (int length : pattern_) patternLength_ += length;
    int width = Patterned() ? 1 : std::clamp(pen.GetWidth(), 1, kWidestNib);
    if (width == 1) return;
    // A disc of the pen's diameter; an even diameter is centred half a pixel up and
    // to the left of the path pixel.
    int offset = width % 2 == 0 ? 1 : 0;
    int64_t squaredWidth = int64_t(width) * width;
    for (int dy = -(width / 2); dy <= (width - 1) / 2; ++dy) {
        int64_t across = 2 * dy + offset;
        int64_t half = SquareRootFloor(squaredWidth - across * across);
        int left = int(FloorDiv(-half - offset + 1, 2));
        int right = int(FloorDiv(half - offset, 2));
        nib_.push_back({dy, left, right});
    }
    reach_ = width / 2;
}

void vPenStroke::Line(vPoint from, vPoint to) {
    if (RunsBackwards(from, to)) {
        Walk(to, from, true);
    } else {
        Walk(from, to, false);
    }
}

void vPenStroke::SymmetricLine(vPoint a, vPoint b) {
    if (RunsBackwards(a, b)) std::swap(a, b);
    Walk(a, b, false);
}

void vPenStroke::Polyline(const std::vector<vPoint>& points) {
    for (size_t i = 1; i < points.size(); ++i) Line(points[i - 1], points[i]);
}

void vPenStroke::ClosedPath(const std::vector<vPoint>& corners) {
    for (size_t i = 0; i < corners.size(); ++i) Line(corners[i], corners[(i + 1) % corners.size()]);
}

// Walks from `start` (the end with the lower major coordinate) to `end`. The pixels are
// always taken from that direction so that a line and its reverse share them; with
// `fromEnd` the path really begins at `end`, which decides the end point left out and
// the pattern's direction.
void vPenStroke::Walk(vPoint start, vPoint end, bool fromEnd) {
    int64_t dx = int64_t(end.x) - start.x, dy = int64_t(end.y) - start.y;
    bool xMajor = std::abs(dx) >= std::abs(dy);
    int64_t steps = xMajor ? dx : dy;
    if (steps == 0) return;
    int64_t rise = xMajor ? dy : dx;
    int64_t majorStart = xMajor ? start.x : start.y;
    int64_t minorStart = xMajor ? start.y : start.x;
    int64_t majorLimit = xMajor ? coverage_.Width() : coverage_.Height();

    int64_t lastStep = nib_.empty() ? steps - 1 : steps;
    int64_t first = fromEnd ? steps - lastStep : 0;
    int64_t last = fromEnd ? steps : lastStep;
    first = std::max(first, -reach_ - majorStart);
    last = std::min(last, majorLimit - 1 + reach_ - majorStart);
    for (int64_t k = first; k <= last; ++k) {
        int64_t major = majorStart + k;
        int64_t minor = minorStart + FloorDiv(__int128(2) * k * rise + steps, 2 * steps);
        int64_t index = pathIndex_ + (fromEnd ? steps - k : k);
        if (xMajor) {
            Visit(major, minor, index);
        } else {
            Visit(minor, major, index);
        }
    }
    pathIndex_ += steps;
}

bool vPenStroke::PatternShows(int64_t index) const {
    int64_t position = index % patternLength_;
    if (position < 0) position += patternLength_;
    for (size_t i = 0; i < pattern_.size(); ++i) {
        if (position < pattern_[i]) return i % 2 == 0;
        position -= pattern_[i];
    }
    return false;
}

void vPenStroke::Visit(int64_t x, int64_t y, int64_t index) {
    if (Patterned() && !PatternShows(index)) return;
    if (nib_.empty()) {
        coverage_.AddPixel(x, y);
        return;
    }
    if (run_.open && y == run_.y && x == run_.x1) {
        ++run_.x1;
    } else if (run_.open && y == run_.y && x == run_.x0 - 1) {
        --run_.x0;
    } else {
        FlushRun();
        run_ = {true, y, x, x + 1};
    }
}

void vPenStroke::VisitRun(int64_t y, int64_t x0, int64_t x1) {
    if (nib_.empty()) {
        coverage_.AddSpan(y, x0, x1);
        return;
    }
    FlushRun();
    Stamp(y, x0, x1);
}

void vPenStroke::FlushRun() {
    if (run_.open) Stamp(run_.y, run_.x0, run_.x1);
    run_.open = false;
}

void vPenStroke::Stamp(int64_t y, int64_t x0, int64_t x1) {
    for (const NibRow& row : nib_) coverage_.AddSpan(y + row.dy, x0 + row.left, x1 + row.right);
}

Coverage& vPenStroke::Covered() {
    FlushRun();
    return coverage_;
}
