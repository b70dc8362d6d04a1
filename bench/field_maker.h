#pragma once

#include <cstdint>
#include <utility>
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

// Rolling hills: octaves of smoothly interpolated lattice noise from a fixed sequence,
// the coarsest four hills across, each finer one half as high; committed.
inline void FillHills(HeightField& field, int side, int kind) {
    struct Octave {
        int cells;
        std::vector<float> values;
    };
    std::vector<Octave> octaves;
    uint32_t state = 12345u;
    for (int cells = 4; cells * 8 <= side; cells *= 2) {
        Octave octave{cells, std::vector<float>(size_t(cells + 1) * size_t(cells + 1))};
        for (float& value : octave.values) {
            state = state * 1664525u + 1013904223u;
            value = float(state >> 8) / float(1u << 24);
        }
        octaves.push_back(std::move(octave));
    }
    const int top = kind == kSixteenBitField ? 0xFFFF : 0xFF;
    FillField(field, side, kind, [&](int x, int y) {
        float height = 0, weight = 0.5f, total = 0;
        for (const Octave& octave : octaves) {
            const float u = float(x) * float(octave.cells) / float(side), v = float(y) * float(octave.cells) / float(side);
            const int cx = int(u), cy = int(v);
            const float fx = (u - float(cx)) * (u - float(cx)) * (3 - 2 * (u - float(cx)));
            const float fy = (v - float(cy)) * (v - float(cy)) * (3 - 2 * (v - float(cy)));
            auto at = [&](int i, int j) { return octave.values[size_t(j) * size_t(octave.cells + 1) + size_t(i)]; };
            const float upper = at(cx, cy) + (at(cx + 1, cy) - at(cx, cy)) * fx;
            const float lower = at(cx, cy + 1) + (at(cx + 1, cy + 1) - at(cx, cy + 1)) * fx;
            height += weight * (upper + (lower - upper) * fy);
            total += weight;
            weight *= 0.5f;
        }
        return int(height / total * float(top));
    });
    field.SnapshotField();
}
