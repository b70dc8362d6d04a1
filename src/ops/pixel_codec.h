#pragma once

#include <array>
#include <cstdint>

#include "core/height_field.h"

// The value rules of one field kind, with the palette read once, so that an operation's
// inner loops work on raw pixels without a call per position.
class PixelCodec {
public:
    PixelCodec(int kind, const Palette& palette);
    // The rules of the field as it is: its kind and its palette.
    explicit PixelCodec(const HeightField& field) : PixelCodec(field.kind(), field.palette()) {}

    bool wide() const { return wide_; }
    int max() const { return wide_ ? 0xFFFF : 0xFF; }

    // The value of a stored colour, -1 for no value.
    int Value(uint32_t pixel) const { return PixelValue(pixel, wide_); }

    // The colour that stores a result: -1 stays without a value; a 16-bit field keeps
    // the low 16 bits. An 8-bit field has no palette entry beyond 0..255, so a result
    // outside (FILL above 255, Inverse of no value) takes the nearest entry: a user who
    // asks for more than the kind holds gets its top.
    uint32_t Store(int64_t value) const {
        if (value == -1) return kNoValuePixel;
        if (wide_) return uint32_t(value) & 0xFFFF;
        return palette_[value < 0 ? 0 : value > 0xFF ? 0xFF : size_t(value)];
    }

    uint32_t PaletteEntry(int index) const { return palette_[size_t(index)]; }

    // Store(Value(pixel)) for a kind known when compiled, so that a row loop over it has
    // no branch on the kind and vectorises.
    template <bool kWide>
    uint32_t Restored(uint32_t pixel) const {
        if (pixel == kNoValuePixel) return kNoValuePixel;
        return kWide ? PixelSample<true>(pixel) : palette_[PixelSample<false>(pixel)];
    }

private:
    bool wide_;
    std::array<uint32_t, 256> palette_{};
};
