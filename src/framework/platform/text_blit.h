#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class Raster;

// A line of text rendered as coverage: 0 background, 255 full foreground.
struct vTextMask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;

    void Reset(int w, int h) {
        width = w;
        height = h;
        coverage.assign(size_t(w) * size_t(h), 0);
    }
    uint8_t& At(int x, int y) { return coverage[size_t(y) * size_t(width) + size_t(x)]; }
    uint8_t At(int x, int y) const { return coverage[size_t(y) * size_t(width) + size_t(x)]; }
};

// Draws mask with its top-left corner at (x, top), turned counter-clockwise by angle
// degrees about that corner. Opaque fills the mask's box with background first;
// partial coverage blends towards the foreground. Pixels outside the raster are skipped.
void vBlitTextMask(Raster& raster, int x, int top, const vTextMask& mask, int angle,
                   uint32_t foreground, uint32_t background, bool opaque);
