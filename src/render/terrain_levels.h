#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/height_field.h"
#include "map/reduced_field.h"

// The field's heights at levels of detail, for the 3D picture: level 0 is the field
// itself, a vertex per position; level L has a vertex per block of 2^L x 2^L positions,
// at the block's centre, holding the mean of the block's values. Levels 2 and 3 are the
// reduced copy's, 1 and 4 are added up from the level below them as they are read.
// Without a reduced copy, a vertex of a coarser level takes the value of the one
// position at its block's middle instead: rougher, and nothing to make first.
// A vertex without any value has no height (NaN).
class TerrainLevels {
public:
    static constexpr int kLevels = KnollReducedField::kLargestLevel + 1;

    // The reduced copy, when given, must be current; both must outlive this object.
    TerrainLevels(const HeightField& field, const KnollReducedField* reduced, double verticalScale);

    // Vertices across and down at a level.
    int Columns(int level) const { return columns_[level]; }
    int Rows(int level) const { return rows_[level]; }
    // Where vertex 0 of a level lies in field positions, and the spacing of its vertices.
    static double Origin(int level) { return ((1 << level) - 1) / 2.0; }
    static double Spacing(int level) { return double(1 << level); }

    // The mean value, unrounded, times the vertical scale; NaN for none.
    double Height(int level, int column, int row) const {
        if (level == 0 || !sums_) {
            const int half = (1 << level) / 2;
            const int x = std::min((column << level) + half, field_.width() - 1);
            const int y = std::min((row << level) + half, field_.height() - 1);
            const int value = field_.DecodeValue(field_.working().ReadPixel(x, y));
            return value < 0 ? std::numeric_limits<double>::quiet_NaN() : value * scale_;
        }
        if (level == kLevels - 1) return topHeights_[size_t(row) * size_t(columns_[level]) + size_t(column)];
        return BlockHeight(level, BlockSum(level, column, row));
    }

    const HeightField& field() const { return field_; }
    double VerticalScale() const { return scale_; }

private:
    struct Sum {
        uint32_t sum = 0;
        uint32_t count = 0;
    };
    double BlockHeight(int level, Sum block) const {
        if (block.count == 0) return std::numeric_limits<double>::quiet_NaN();
        return block.count == 1u << (2 * level) ? block.sum * wholeScale_[level] : block.sum * scale_ / block.count;
    }
    Sum BlockSum(int level, int column, int row) const {
        if (level == 1) return PairsSum(column, row);
        const KnollReducedField::Block block = KnollReducedField::Unpack(level, StoredEntry(level, column, row));
        return {block.sum, block.count};
    }
    uint32_t StoredEntry(int level, int column, int row) const {
        return entries_[level][size_t(row) * size_t(columns_[level]) + size_t(column)];
    }
    // Two by two positions of the field.
    Sum PairsSum(int column, int row) const;
    // Two by two blocks of the stored level below.
    Sum QuartersSum(int level, int column, int row) const;
    void MakeTopLevel();

    const HeightField& field_;
    bool sums_;
    double scale_;
    // The scale divided by the positions of a whole block.
    double wholeScale_[kLevels] = {};
    int columns_[kLevels] = {};
    int rows_[kLevels] = {};
    const uint32_t* entries_[kLevels] = {};
    // The top level, added up from the stored one under it once: the far terrain reads
    // each of its vertices many times.
    std::vector<double> topHeights_;
};
