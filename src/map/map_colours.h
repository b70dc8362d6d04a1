#pragma once

#include <array>
#include <cstdint>

#include "core/height_field.h"
#include "interchange/hillshade.h"
#include "map/reduced_field.h"

// How the map shows the field beyond its stored colours. Both off is the plain map: an
// 8-bit field through the palette, a 16-bit field in its own encoding.
struct MapChoices {
    // A 16-bit field through the palette by height, its range spread over the entries.
    bool heightColours = false;
    // The shaded relief of --hillshade, under this light, blended into the colours.
    bool relief = false;
    ShadeLight light;

    bool IsPlain() const { return !heightColours && !relief; }
    bool operator==(const MapChoices& other) const {
        return heightColours == other.heightColours && relief == other.relief &&
               light.azimuth == other.light.azimuth && light.altitude == other.light.altitude &&
               light.zFactor == other.light.zFactor;
    }
};

// The lowest and highest value of a field; 0 to 0 when it has none.
struct ValueRange {
    int low = 0;
    int high = 0;
    bool operator==(const ValueRange& other) const { return low == other.low && high == other.high; }
};

// The colour rule of the map: which colour shows a value for the display choices, and
// how the relief's shade darkens it. The editor's map, the batch tool's preview and the
// 3D picture all take their colours from here.
//
// With Height Colours, a 16-bit field's range low..high is cut into 256 equal bins, bin i
// showing palette entry i; values outside the range take the nearer end. Whoever holds
// the range decides when it follows the field, so that colours stay put while an
// operation sweeps. An 8-bit field is shown through the palette by its value either way.
class MapColours {
public:
    MapColours(const HeightField& field, const MapChoices& choices, ValueRange range = {});

    const MapChoices& choices() const { return choices_; }
    // True when every value shows as it is stored (a 16-bit one without its blue byte).
    bool IsPlain() const { return choices_.IsPlain(); }

    // The colour of a value of the field, 0 to its maximum, before any relief.
    uint32_t Of(uint32_t value) const {
        if (!wide_) return palette_[value & 0xFF];
        if (!spread_) return value;
        const uint32_t above = value > uint32_t(range_.low) ? value - uint32_t(range_.low) : 0;
        const uint64_t entry = (uint64_t(above) * binScale_) >> 32;
        return palette_[entry > 255 ? 255 : entry];
    }

    // The colour under a relief shade: 255 (full sun) leaves it, darker shades darken it
    // down to a fifth; 0 (no shade: no value, or a field too small to shade) leaves it.
    // Red and blue are scaled together in one product, their lanes apart.
    static uint32_t Shaded(uint32_t colour, uint8_t shade) {
        if (colour == kNoValuePixel) return colour;
        const uint32_t weight = kShadeWeights[shade];
        const uint32_t redBlue = ((colour & 0xFF00FF) * weight + 0x800080) >> 8 & 0xFF00FF;
        const uint32_t green = ((colour & 0xFF00) * weight + 0x8000) >> 8 & 0xFF00;
        return redBlue | green;
    }

    // The colour of a block's mean, white without any value.
    uint32_t OfBlock(const KnollReducedField::Block& block) const;

private:
    // A shade's weight in 256ths: (shade + 64) / 319 of the colour, so the darkest shade
    // keeps a fifth of it; shade 0 is not shaded.
    static constexpr std::array<uint32_t, 256> kShadeWeights = [] {
        std::array<uint32_t, 256> weights{};
        weights[0] = 256;
        for (uint32_t shade = 1; shade < 256; ++shade) weights[shade] = (256 * (shade + 64) + 319 / 2) / 319;
        return weights;
    }();

    MapChoices choices_;
    bool wide_;
    bool spread_;
    ValueRange range_;
    uint64_t binScale_ = 0;
    std::array<uint32_t, 256> palette_{};
};

// mean = (sum + count / 2) / count without a division: a sum of at most 2^24 (256
// positions of 65535) times these reciprocals stays exact in 64 bits.
inline constexpr int kMeanShift = 40;
inline constexpr std::array<uint64_t, 257> kMeanReciprocals = [] {
    std::array<uint64_t, 257> of{};
    for (uint64_t count = 1; count < of.size(); ++count) of[count] = ((uint64_t(1) << kMeanShift) + count - 1) / count;
    return of;
}();

// The mean of a block's values, rounded half up, as every zoomed-out view shows it; the
// block must have a value, and at most 256 positions.
inline uint32_t MeanOf(const KnollReducedField::Block& block) {
    return uint32_t((uint64_t(block.sum + block.count / 2) * kMeanReciprocals[block.count]) >> kMeanShift);
}

inline uint32_t MapColours::OfBlock(const KnollReducedField::Block& block) const {
    return block.count ? Of(MeanOf(block)) : kNoValuePixel;
}
