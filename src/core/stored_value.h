#pragma once

#include <cstdint>

// How a position's colour holds its value. Every read of a stored colour goes through
// these, so the rule is written once:
// - a 16-bit field keeps the value in the low 16 bits (red the low byte, green the high);
// - an 8-bit field keeps it in the blue byte, the index of the palette entry it shows;
// - pure white is a position without a value.

inline constexpr uint32_t kNoValuePixel = 0xFFFFFF;

// The stored sample of any colour: white samples as the kind's top.
template <bool kWide>
constexpr uint32_t PixelSample(uint32_t pixel) {
    return kWide ? pixel & 0xFFFF : (pixel >> 16) & 0xFF;
}

// The same with the kind known only when running, without a branch on it, so that a
// loop over a row still vectorises.
constexpr uint32_t PixelSample(uint32_t pixel, bool wide) {
    return (pixel >> (wide ? 0 : 16)) & (wide ? 0xFFFFu : 0xFFu);
}

// The value of a colour, -1 for none.
template <bool kWide>
constexpr int PixelValue(uint32_t pixel) {
    return pixel == kNoValuePixel ? -1 : int(PixelSample<kWide>(pixel));
}

constexpr int PixelValue(uint32_t pixel, bool wide) {
    return pixel == kNoValuePixel ? -1 : int(PixelSample(pixel, wide));
}

// The mask test of a mask colour: 1 outside the chosen polygon (white), 0 inside. A
// 16-bit field asks whether it is white, an 8-bit field reads the lowest bit of its
// blue byte; the mask as it is drawn gives both the same answer.
constexpr int MaskBit(uint32_t maskPixel, bool wide) {
    return wide ? (maskPixel == kNoValuePixel ? 1 : 0) : int((maskPixel >> 16) & 1);
}
