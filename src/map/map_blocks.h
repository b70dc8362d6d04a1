#pragma once

#include <cstdint>
#include <vector>

#include "core/height_field.h"
#include "interchange/hillshade.h"
#include "map/map_colours.h"
#include "map/reduced_field.h"

// The map of one level, a row of blocks at a time: blocks of 2^level x 2^level
// positions, level 0 the positions themselves. A block shows the mean of its values
// through the map's colours; with the relief, the block's shade is that of --hillshade
// over the level's grid of means, its positions 2^level apart, so every scale shows the
// same terrain under the same sun. Views, the preview and the 3D picture read the map
// through this.
//
// Rows are read by block row in any order; the last few read are kept, so reading rows
// top to bottom costs one new row each.
class MapBlockRows {
public:
    using Block = KnollReducedField::Block;

    // Blocks first..first + count - 1 of every block row. Levels from 2 read `reduced`,
    // which must be current to that level; levels 0 and 1 read the field.
    MapBlockRows(const HeightField& field, const KnollReducedField& reduced, const MapColours& colours, int level,
                 int first, int count);

    int Columns() const { return columns_; }  // of the level's whole grid
    int Rows() const { return rows_; }
    // Sums and counts of block row `row`, and an empty block after the last; none beyond
    // the grid.
    const Block* Sums(int row);
    // Shades of block row `row` with the relief, 0 where nothing is shaded, and a 0 after
    // the last; null without.
    const uint8_t* Shades(int row);
    // The map's colours of block row `row` into out: white for a block without a value.
    void Colours(int row, uint32_t* out);

private:
    // A block row as read: sums over blocks first - 1..first + count, and their means as
    // heights for the shader.
    struct ReadRow {
        int row = -1;
        std::vector<Block> sums;
        std::vector<float> heights;
        bool anyMissing = false;  // among the heights the shader reads
    };
    struct ShadeRow {
        int row = -1;
        std::vector<uint8_t> shades;
    };

    ReadRow& Read(int row);
    void ReadBlocks(int row, ReadRow& read) const;
    void ReadPositions(int row, ReadRow& read) const;

    const HeightField& field_;
    const KnollReducedField& reduced_;
    const MapColours& colours_;
    int level_;
    int first_;
    int count_;
    int columns_;
    int rows_;
    // Blocks of the run that lie inside the grid.
    int inside_;
    RunShader shader_;
    ReadRow read_[4];
    ShadeRow shaded_[2];
};
