#include "framework/draw/row_shape.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "framework/draw/pen_stroke.h"

namespace {

using Wide = unsigned __int128;

int64_t FloorHalf(int64_t value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

// The largest d with d * d * scale <= limit.
int64_t LargestWithin(Wide limit, Wide scale) {
    auto d = int64_t(std::sqrt(static_cast<long double>(limit) / static_cast<long double>(scale)));
    while (d > 0 && Wide(d) * Wide(d) * scale > limit) --d;
    while (Wide(d + 1) * Wide(d + 1) * scale <= limit) ++d;
    return d;
}

struct RowParts {
    int64_t left, right;              // the whole row
    int64_t insideLeft, insideRight;  // empty when insideLeft > insideRight
};

bool PartsOfRow(const vRowShape& shape, int64_t y, RowParts& parts) {
    if (!shape.Row(y, parts.left, parts.right)) return false;
    int64_t aboveLeft, aboveRight, belowLeft, belowRight;
    if (shape.Row(y - 1, aboveLeft, aboveRight) && shape.Row(y + 1, belowLeft, belowRight)) {
        parts.insideLeft = std::max({parts.left + 1, aboveLeft, belowLeft});
        parts.insideRight = std::min({parts.right - 1, aboveRight, belowRight});
    } else {
        parts.insideLeft = 1;
        parts.insideRight = 0;
    }
    return true;
}

struct EdgePixel {
    double angle;
    int64_t x, y;
};

// A pattern must follow the edge round; pixels taken in order of their angle about
// the centre do, as the shapes are convex.
void TraceEdgeInOrder(vPenStroke& stroke, const std::vector<Span>& edge, double centreX, double centreY) {
    std::vector<EdgePixel> pixels;
    for (const Span& span : edge) {
        for (int64_t x = span.x0; x < span.x1; ++x)
            pixels.push_back({std::atan2(span.y - centreY, x - centreX), x, span.y});
    }
    std::sort(pixels.begin(), pixels.end(),
              [](const EdgePixel& a, const EdgePixel& b) { return a.angle < b.angle; });
    for (size_t i = 0; i < pixels.size(); ++i) stroke.Visit(pixels[i].x, pixels[i].y, int64_t(i));
}

}  // namespace

bool vBoxShape::Row(int64_t y, int64_t& left, int64_t& right) const {
    if (y < Top() || y > Bottom()) return false;
    left = left_;
    right = right_;
    return true;
}

bool vEllipseShape::Row(int64_t y, int64_t& left, int64_t& right) const {
    if (y < Top() || y > Bottom() || width_ <= 0) return false;
    // Pixel column i is in when (2i + 1 - w)^2 h^2 <= w^2 (h^2 - (2j + 1 - h)^2).
    Wide across = Wide(std::abs(2 * (y - Top()) + 1 - height_));
    Wide h2 = Wide(height_) * Wide(height_);
    Wide room = h2 - across * across;
    int64_t reach = LargestWithin(Wide(width_) * Wide(width_) * room, h2);
    int64_t first = -FloorHalf(reach - width_ + 1), last = FloorHalf(width_ - 1 + reach);
    if (first > last) return false;
    left = x_ + first;
    right = x_ + last;
    return true;
}

vRoundBoxShape::vRoundBoxShape(int64_t x, int64_t y, int64_t width, int64_t height,
                             int64_t cornerWidth, int64_t cornerHeight)
    : vRowShape(y, y + height - 1), x_(x), width_(width), height_(height),
      cornerWidth_(std::clamp<int64_t>(cornerWidth, 0, width)),
      cornerHeight_(std::clamp<int64_t>(cornerHeight, 0, height)),
      corner_(0, 0, cornerWidth_, cornerHeight_) {}

bool vRoundBoxShape::Row(int64_t y, int64_t& left, int64_t& right) const {
    if (y < Top() || y > Bottom()) return false;
    left = x_;
    right = x_ + width_ - 1;
    int64_t j = y - Top();
    int64_t cornerRow = -1;
    if (j < cornerHeight_ / 2) cornerRow = j;
    if (j >= height_ - cornerHeight_ / 2) cornerRow = j - (height_ - cornerHeight_);
    if (cornerRow < 0 || cornerWidth_ == 0) return true;
    int64_t cornerLeft, cornerRight;
    if (corner_.Row(cornerRow, cornerLeft, cornerRight)) {
        left += cornerLeft;
        right -= cornerWidth_ - 1 - cornerRight;
    } else {
        left += cornerWidth_ / 2;
        right -= cornerWidth_ / 2;
    }
    return left <= right;
}

void AddInside(Coverage& coverage, const vRowShape& shape) {
    int64_t first = std::max<int64_t>(shape.Top(), 0);
    int64_t last = std::min<int64_t>(shape.Bottom(), coverage.Height() - 1);
    RowParts parts;
    for (int64_t y = first; y <= last; ++y) {
        if (PartsOfRow(shape, y, parts) && parts.insideLeft <= parts.insideRight)
            coverage.AddSpan(y, parts.insideLeft, parts.insideRight + 1);
    }
}

void TraceEdge(vPenStroke& stroke, const vRowShape& shape) {
    // Edge pixels further out than the nib reaches cannot touch the surface.
    int64_t margin = stroke.Reach() + 1;
    int64_t first = std::max(shape.Top(), -margin);
    int64_t last = std::min(shape.Bottom(), stroke.SurfaceHeight() - 1 + margin);
    int64_t lowest = -margin, highest = stroke.SurfaceWidth() + margin;
    std::vector<Span> edge;
    auto addEdge = [&](int64_t y, int64_t x0, int64_t x1) {
        x0 = std::max(x0, lowest);
        x1 = std::min(x1, highest);
        if (x0 < x1) edge.push_back({int(y), int(x0), int(x1)});
    };
    RowParts parts;
    for (int64_t y = first; y <= last; ++y) {
        if (!PartsOfRow(shape, y, parts)) continue;
        if (parts.insideLeft > parts.insideRight) {
            addEdge(y, parts.left, parts.right + 1);
        } else {
            addEdge(y, parts.left, parts.insideLeft);
            addEdge(y, parts.insideRight + 1, parts.right + 1);
        }
    }
    if (stroke.Patterned()) {
        int64_t middle = (shape.Top() + shape.Bottom()) / 2, left = 0, right = 0;
        shape.Row(middle, left, right);
        TraceEdgeInOrder(stroke, edge, (double(left) + double(right)) / 2,
                         (double(shape.Top()) + double(shape.Bottom())) / 2);
    } else {
        for (const Span& span : edge) stroke.VisitRun(span.y, span.x0, span.x1);
    }
}
