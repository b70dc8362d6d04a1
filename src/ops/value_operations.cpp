#include "ops/value_operations.h"

#include <algorithm>
#include <array>

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"

namespace {

// An 8-bit result depends on the blue byte alone, so the 256 results and the one for no
// value are worked out once and each position takes its result from the table.
template <class Rule>
RowEdit ValueRuleEdit(const FieldRows& rows, int area, Rule rule) {
    const PixelCodec codec(rows.field);
    if (!codec.wide()) {
        std::array<uint32_t, 256> results;
        for (int value = 0; value < 256; ++value) results[size_t(value)] = codec.Store(rule(value));
        const uint32_t noValue = codec.Store(rule(-1));
        return TransformEdit(rows, area, [results, noValue](uint32_t pixel) {
            return pixel == kNoValuePixel ? noValue : results[PixelSample<false>(pixel)];
        });
    }
    return TransformEdit(rows, area, [codec, rule](uint32_t pixel) { return codec.Store(rule(codec.Value(pixel))); });
}

void EditInPlace(HeightField& field, RowEdit (*edit)(const FieldRows&, int, int32_t), int area, int32_t value) {
    EditRows(field, RowShow::kDrawRow, area, edit(WorkingRows(field), area, value));
}

}  // namespace

RowEdit CutLowEdit(const FieldRows& rows, int area, int32_t value) {
    return ValueRuleEdit(rows, area, [value](int64_t z) { return z < value ? 0 : z; });
}

RowEdit ClipHighEdit(const FieldRows& rows, int area, int32_t value) {
    return ValueRuleEdit(rows, area, [value](int64_t z) { return z > value ? int64_t(value) : z; });
}

RowEdit FillValueEdit(const FieldRows& rows, int area, int32_t value) {
    return ValueRuleEdit(rows, area, [value](int64_t) { return int64_t(value); });
}

RowEdit AddValueEdit(const FieldRows& rows, int area, int32_t amount) {
    // Values run from -1 to top, so an amount beyond -(top + 2) or top + 1 clamps alike;
    // cut to that, the sum fits 32 bits, which the loop does four at a time.
    const int32_t top = rows.field.MaxValue();
    const int32_t step = std::clamp<int32_t>(amount, -(top + 2), top + 1);
    return ValueRuleEdit(rows, area, [step, top](int64_t z) {
        return int64_t(std::clamp<int32_t>(int32_t(z) + step, 0, top));
    });
}

RowEdit InvertValuesEdit(const FieldRows& rows, int area, int32_t) {
    const int64_t top = rows.field.MaxValue();
    return ValueRuleEdit(rows, area, [top](int64_t z) { return top - z; });
}

void CutLow(HeightField& field, int area, int32_t value) { EditInPlace(field, CutLowEdit, area, value); }
void ClipHigh(HeightField& field, int area, int32_t value) { EditInPlace(field, ClipHighEdit, area, value); }
void FillValue(HeightField& field, int area, int32_t value) { EditInPlace(field, FillValueEdit, area, value); }
void AddValue(HeightField& field, int area, int32_t amount) { EditInPlace(field, AddValueEdit, area, amount); }
void InvertValues(HeightField& field, int area) { EditInPlace(field, InvertValuesEdit, area, 0); }
