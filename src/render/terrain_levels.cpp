#include "render/terrain_levels.h"

#include <algorithm>

TerrainLevels::TerrainLevels(const HeightField& field, const KnollReducedField* reduced, double verticalScale)
    : field_(field), sums_(reduced != nullptr), scale_(verticalScale) {
    for (int level = 0; level < kLevels; ++level) {
        const int side = 1 << level;
        wholeScale_[level] = verticalScale / (side * side);
        columns_[level] = (field.width() + side - 1) / side;
        rows_[level] = (field.height() + side - 1) / side;
    }
    for (int level = KnollReducedField::kFirstStoredLevel; reduced && level <= KnollReducedField::kLastStoredLevel;
         ++level) {
        entries_[level] = reduced->Entries(level);
    }
    if (reduced) MakeTopLevel();
}

void TerrainLevels::MakeTopLevel() {
    constexpr int top = kLevels - 1;
    topHeights_.resize(size_t(columns_[top]) * size_t(rows_[top]));
    for (int row = 0; row < rows_[top]; ++row) {
        for (int column = 0; column < columns_[top]; ++column) {
            topHeights_[size_t(row) * size_t(columns_[top]) + size_t(column)] =
                BlockHeight(top, QuartersSum(top, column, row));
        }
    }
}

TerrainLevels::Sum TerrainLevels::PairsSum(int column, int row) const {
    Sum total;
    const int x = 2 * column, y = 2 * row;
    const int right = std::min(x + 2, field_.width()), below = std::min(y + 2, field_.height());
    for (int at = y; at < below; ++at) {
        const uint32_t* pixels = field_.working().RowPixels(at);
        for (int across = x; across < right; ++across) {
            const int value = field_.DecodeValue(pixels[across]);
            total.sum += uint32_t(std::max(value, 0));
            total.count += value >= 0;
        }
    }
    return total;
}

// Level 4 from the entries of stored level 3 under it.
static_assert(TerrainLevels::kLevels == KnollReducedField::kLastStoredLevel + 2);
TerrainLevels::Sum TerrainLevels::QuartersSum(int level, int column, int row) const {
    const int below = level - 1;
    const int right = std::min(2 * column + 2, columns_[below]), bottom = std::min(2 * row + 2, rows_[below]);
    Sum total;
    for (int r = 2 * row; r < bottom; ++r) {
        const uint32_t* entries = entries_[below] + size_t(r) * size_t(columns_[below]);
        for (int c = 2 * column; c < right; ++c) {
            const KnollReducedField::Block block = KnollReducedField::Unpack(below, entries[c]);
            total.sum += block.sum;
            total.count += block.count;
        }
    }
    return total;
}
