#pragma once

#include <cstdint>
#include <vector>

// Covered pixels of one row, from x0 up to but not including x1.
struct Span {
    int y = 0;
    int x0 = 0;
    int x1 = 0;
};

// The pixels one shape touches, clipped to the surface. Parts of a shape may overlap
// (a wide nib stamped along a path, a self-crossing outline); the spans are merged
// before painting so that every pixel is painted exactly once, which is what keeps
// exclusive-or drawing reversible.
class Coverage {
public:
    Coverage(int width, int height) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Coordinates may lie anywhere; what falls outside the surface is dropped.
    void AddSpan(int64_t y, int64_t x0, int64_t x1);
    void AddPixel(int64_t x, int64_t y) { AddSpan(y, x, x + 1); }

    // Sorted by row, then column; no two spans touch.
    const std::vector<Span>& Merged();

private:
    int width_;
    int height_;
    std::vector<Span> spans_;
    bool merged_ = true;
};
