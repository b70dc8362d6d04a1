#pragma once

#include <cstdint>

#include "framework/draw/coverage.h"

class vPenStroke;

// A shape with one run of pixels a row: boxes, ellipses and rounded boxes, in device
// coordinates. Its edge is every pixel with a neighbour above, below, left or right
// outside the shape; the rest is its inside.
class vRowShape {
public:
    vRowShape(int64_t top, int64_t bottom) : top_(top), bottom_(bottom) {}
    virtual ~vRowShape() = default;

    // The inclusive columns of row y; false where the shape has no pixel.
    virtual bool Row(int64_t y, int64_t& left, int64_t& right) const = 0;

    int64_t Top() const { return top_; }
    int64_t Bottom() const { return bottom_; }

private:
    int64_t top_;
    int64_t bottom_;  // inclusive
};

// Columns left to right and rows top to bottom, all inclusive.
class vBoxShape : public vRowShape {
public:
    vBoxShape(int64_t left, int64_t top, int64_t right, int64_t bottom)
        : vRowShape(top, bottom), left_(left), right_(right) {}
    bool Row(int64_t y, int64_t& left, int64_t& right) const override;

private:
    int64_t left_;
    int64_t right_;
};

// The ellipse that fits width x height pixels from (x, y). A pixel belongs to it when
// its centre lies inside; the sums are exact, so it is symmetric both ways.
class vEllipseShape : public vRowShape {
public:
    vEllipseShape(int64_t x, int64_t y, int64_t width, int64_t height)
        : vRowShape(y, y + height - 1), x_(x), width_(width), height_(height) {}
    bool Row(int64_t y, int64_t& left, int64_t& right) const override;

private:
    int64_t x_;
    int64_t width_;
    int64_t height_;
};

// A box of width x height pixels from (x, y) whose corners are the quarters of an
// ellipse cornerWidth x cornerHeight pixels large.
class vRoundBoxShape : public vRowShape {
public:
    vRoundBoxShape(int64_t x, int64_t y, int64_t width, int64_t height, int64_t cornerWidth,
                  int64_t cornerHeight);
    bool Row(int64_t y, int64_t& left, int64_t& right) const override;

private:
    int64_t x_;
    int64_t width_;
    int64_t height_;
    int64_t cornerWidth_;
    int64_t cornerHeight_;
    vEllipseShape corner_;
};

// Adds the pixels inside the edge.
void AddInside(Coverage& coverage, const vRowShape& shape);
// Walks the edge with the pen; a patterned pen goes round it in order.
void TraceEdge(vPenStroke& stroke, const vRowShape& shape);
