#pragma once

#include <cstdint>
#include <vector>

#include "core/height_field.h"

// Fields the benchmarks measure on, written row by row in the field's own colours.
template <class Value>
void FillField(HeightField& field, int side, int kind, Value value) {
    field.ReplaceField(side, side);
    field.SetKind(kind);
    std::vector<vColor> row(static_cast<size_t>(side));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) row[size_t(x)] = field.ValueColor(value(x, y));
        field.WriteRow(y, row.data());
    }
}

// Values from a fixed xorshift sequence, so no pass profits from a pattern; committed.
inline void FillRandom(HeightField& field, int side, int kind) {
    uint32_t state = 2463534242u;
    FillField(field, side, kind, [&](int, int) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return int(state & uint32_t(kind == kSixteenBitField ? 0xFFFF : 0xFF));
    });
    field.SnapshotField();
}
