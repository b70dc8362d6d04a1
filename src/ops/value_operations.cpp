#include "ops/value_operations.h"

#include <algorithm>
#include <array>

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"

namespace {

// An 8-bit result depends on the blue byte alone, so the 256 results and the one for no
// value are worked out once and each position takes its result from the table.
template <class Rule>
void ApplyEightBitRule(HeightField& field, int area, const PixelCodec& codec, Rule& rule) {
    std::array<uint32_t, 256> results;
    for (int value = 0; value < 256; ++value) results[size_t(value)] = codec.Store(rule(value));
    const uint32_t noValue = codec.Store(rule(-1));
    TransformRows(field, area, RowShow::kDrawRow, [&](uint32_t pixel) {
        return pixel == kNoValuePixel ? noValue : results[(pixel >> 16) & 0xFF];
    });
}

template <class Rule>
void ApplyValueRule(HeightField& field, int area, Rule&& rule) {
    const PixelCodec codec(field);
    if (!codec.wide()) {
        ApplyEightBitRule(field, area, codec, rule);
        return;
    }
    TransformRows(field, area, RowShow::kDrawRow, [&](uint32_t pixel) {
        return codec.Store(rule(codec.Value(pixel)));
    });
}

}  // namespace

void CutLow(HeightField& field, int area, int32_t value) {
    ApplyValueRule(field, area, [value](int64_t z) { return z < value ? 0 : z; });
}

void ClipHigh(HeightField& field, int area, int32_t value) {
    ApplyValueRule(field, area, [value](int64_t z) { return z > value ? int64_t(value) : z; });
}

void FillValue(HeightField& field, int area, int32_t value) {
    ApplyValueRule(field, area, [value](int64_t) { return int64_t(value); });
}

void AddValue(HeightField& field, int area, int32_t amount) {
    // Values run from -1 to top, so an amount beyond -(top + 2) or top + 1 clamps alike;
    // cut to that, the sum fits 32 bits, which the loop does four at a time.
    const int32_t top = field.MaxValue();
    const int32_t step = std::clamp<int32_t>(amount, -(top + 2), top + 1);
    ApplyValueRule(field, area, [step, top](int64_t z) {
        return int64_t(std::clamp<int32_t>(int32_t(z) + step, 0, top));
    });
}

void InvertValues(HeightField& field, int area) {
    const int64_t top = field.MaxValue();
    ApplyValueRule(field, area, [top](int64_t z) { return top - z; });
}
