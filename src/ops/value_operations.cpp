#include "ops/value_operations.h"

#include <algorithm>

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"

namespace {

template <class Rule>
void ApplyValueRule(HeightField& field, int area, Rule&& rule) {
    const PixelCodec codec(field.kind());
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
    const int64_t top = field.MaxValue();
    ApplyValueRule(field, area, [amount, top](int64_t z) {
        return std::clamp<int64_t>(z + amount, 0, top);
    });
}

void InvertValues(HeightField& field, int area) {
    const int64_t top = field.MaxValue();
    ApplyValueRule(field, area, [top](int64_t z) { return top - z; });
}
