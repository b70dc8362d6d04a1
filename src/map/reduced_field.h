#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/height_field.h"

// The field reduced for the zoomed-out views: for blocks of 4 x 4 and 8 x 8 positions,
// the sum of their values and how many have one, so a pixel of a zoomed-out view reads
// one entry instead of the field. 1:16 adds four entries of 1:8. Blocks of 2 x 2 are
// not kept: they are folded from the field's rows as a view reads them, since a view at
// 1:2 covers at most four times its own pixels whatever the field's size. The stored
// levels take about a twelfth of the memory of one image.
//
// The copy follows the field row by row through the painter: a changed row marks its
// blocks, and Update folds the marked blocks in. A new size or kind rebuilds it whole.
class KnollReducedField {
public:
    static constexpr int kFirstStoredLevel = 2;  // blocks of 4 x 4
    static constexpr int kLargestLevel = 4;      // blocks of 16 x 16

    // One block: the sum of its values and the number of positions that have one.
    struct Block {
        uint32_t sum = 0;
        uint32_t count = 0;
    };

    // Row y of the field changed.
    void MarkRow(int y);
    // Row y changed and the copy is in use: the 1:4 blocks it completes are made now,
    // while the rows are still in the cache; the level above waits for an Update that
    // needs it.
    void RowChanged(const HeightField& field, int y);
    void MarkAll();
    // Every marked block up to `level` made current, the copy made first when it does
    // not exist. A level below the stored ones needs nothing.
    void Update(const HeightField& field, int level = kLargestLevel);
    // As Update, but stops after making this many rows of the 1:4 level; true when the
    // copy is current.
    bool UpdateSome(const HeightField& field, int rows);

    // Blocks first..first + count - 1 summed over block rows top..bottom - 1 at level
    // 1..kLargestLevel (block side 2^level); blocks beyond the field have no value. All
    // start at 0 or more. Level 1 folds `field`'s rows, at most two block rows of them;
    // the others read the copy, which must be current.
    void ReadRows(const HeightField& field, int level, int top, int bottom, int first, int count,
                  Block* out) const;

    bool Exists() const { return levels_[0].entries != nullptr; }
    size_t MemoryBytes() const;

    // For readers that go from block to block in any order, such as the 3D picture: the
    // entries of stored level 2 or 3, a row of Columns(level) after another, each
    // unpacked with Unpack. The copy must be current.
    static constexpr int kLastStoredLevel = kFirstStoredLevel + 1;
    const uint32_t* Entries(int level) const { return At(level).entries.get(); }
    int Columns(int level) const { return At(level).columns; }
    int Rows(int level) const { return At(level).rows; }
    // An entry packs the sum in its low bits and the count above: a block of 2^level
    // square positions of at most 65535 holds a sum below 2^(16 + 2 level).
    static Block Unpack(int level, uint32_t entry) {
        const int sumBits = 16 + 2 * level;
        return {entry & ((1u << sumBits) - 1), entry >> sumBits};
    }

private:
    static constexpr int kStoredLevels = 2;

    struct Level {
        int columns = 0;
        int rows = 0;
        std::unique_ptr<uint32_t[]> entries;
        std::vector<uint8_t> dirty;
    };

    Level& At(int level) { return levels_[level - kFirstStoredLevel]; }
    const Level& At(int level) const { return levels_[level - kFirstStoredLevel]; }
    bool Matches(const HeightField& field) const;
    int ReadyRows(const HeightField& field, int level) const;
    void Allocate(const HeightField& field);
    void MakeFirstLevelRow(const HeightField& field, int row);
    void ReadStoredRow(int level, int row, int first, int count, Block* out) const;
    void ReadCombinedRow(int level, int row, int first, int count, Block* out) const;
    void MakeRow(int level, int row);
    void MarkAbove(int level, int row);
    void MakeAbove(int level, int row, int top);
    bool UpdateUpTo(const HeightField& field, int rows, int top);

    int width_ = 0;
    int height_ = 0;
    int kind_ = -1;
    bool anyDirty_ = false;
    Level levels_[kStoredLevels];
    // A row of four field rows folded by pairs of columns, on its way to 1:4.
    std::vector<uint32_t> folded_;
};
