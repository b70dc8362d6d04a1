#pragma once

#include <algorithm>
#include <cstdint>

#include "core/height_field.h"
#include "ops/pixel_codec.h"

// How the zoom stores values. A 16-bit field builds red = v & 0xFF and green =
// (v / 256) & 0xFF, so no value (-1) becomes the value 255. In an 8-bit field a kept
// position without a value stays without one, and so do the midpoint of two such
// positions and the continuation past one, so an empty region stays empty at any size;
// every other interpolated value is limited to 0..255.
class ZoomColours {
public:
    explicit ZoomColours(const HeightField& field) : codec_(field) {}

    bool wide() const { return codec_.wide(); }
    int Value(uint32_t pixel) const { return codec_.Value(pixel); }

    uint32_t Colour(int v) const {
        if (codec_.wide()) return uint32_t(v & 0xFF) | uint32_t(((v / 256) & 0xFF) << 8);
        if (v == -1) return kNoValuePixel;
        return codec_.PaletteEntry(std::clamp(v, 0, 0xFF));
    }

    // Midpoint of two values: -1 only when both lack a value, since division truncates.
    uint32_t Between(int a, int b) const { return Colour((a + b) / 2); }

    // An 8-bit field continues its last column and row outward from the step before.
    uint32_t Beyond(int last, int before) const {
        if (last == -1) return kNoValuePixel;
        return Colour(std::clamp(2 * last - before, 0, 0xFF));
    }

private:
    const PixelCodec codec_;
};
