#include "view/reduced_field.h"

#include <algorithm>

namespace {

// An entry packs the sum in its low bits and the count above: a block of 2^level square
// positions of at most 65535 holds a sum below 2^(16 + 2 level).
int SumBits(int level) { return 16 + 2 * level; }

uint32_t Pack(int level, KnollReducedField::Block block) { return block.sum | block.count << SumBits(level); }

KnollReducedField::Block Unpack(int level, uint32_t entry) {
    return {entry & ((1u << SumBits(level)) - 1), entry >> SumBits(level)};
}

void Add(KnollReducedField::Block& to, KnollReducedField::Block block) {
    to.sum += block.sum;
    to.count += block.count;
}

}  // namespace

bool KnollReducedField::Matches(const HeightField& field) const {
    return Exists() && field.width() == width_ && field.height() == height_ && field.kind() == kind_;
}

void KnollReducedField::Allocate(const HeightField& field) {
    width_ = field.width();
    height_ = field.height();
    kind_ = field.kind();
    for (int i = 0; i < kStoredLevels; ++i) {
        int side = 2 << i;
        Level& level = levels_[i];
        level.columns = (width_ + side - 1) / side;
        level.rows = (height_ + side - 1) / side;
        level.entries.assign(size_t(level.columns) * size_t(level.rows), 0);
        level.dirty.assign(size_t(level.rows), 1);
    }
    anyDirty_ = true;
}

void KnollReducedField::MarkRow(int y) {
    if (!Exists() || y < 0 || y >= height_) return;
    levels_[0].dirty[size_t(y / 2)] = 1;
    anyDirty_ = true;
}

void KnollReducedField::MarkAll() {
    for (Level& level : levels_) std::fill(level.dirty.begin(), level.dirty.end(), 1);
    anyDirty_ = Exists();
}

void KnollReducedField::RowChanged(const HeightField& field, int y) {
    MarkRow(y);
    if (!Matches(field) || y < 0 || y >= height_) return;
    if (y % 2 == 0 && y != height_ - 1) return;
    MakeFirstLevelRow(field, y / 2);
    levels_[0].dirty[size_t(y / 2)] = 0;
    MarkAbove(1, y / 2);
}

void KnollReducedField::Update(const HeightField& field) {
    if (!Matches(field)) Allocate(field);
    if (!anyDirty_) return;
    for (int i = 0; i < kStoredLevels; ++i) {
        Level& level = levels_[i];
        for (int row = 0; row < level.rows; ++row) {
            if (!level.dirty[size_t(row)]) continue;
            if (i == 0) {
                MakeFirstLevelRow(field, row);
            } else {
                MakeRow(i + 1, row);
            }
            level.dirty[size_t(row)] = 0;
            MarkAbove(i + 1, row);
        }
    }
    anyDirty_ = false;
}

// The block row above row `row` of level `level` must be made again.
void KnollReducedField::MarkAbove(int level, int row) {
    if (level >= kStoredLevels) return;
    levels_[level].dirty[size_t(row / 2)] = 1;
    anyDirty_ = true;
}

void KnollReducedField::MakeFirstLevelRow(const HeightField& field, int row) {
    const TarnMemoryDC& image = field.working();
    const uint32_t* rows[2] = {image.RowPixels(2 * row), image.RowPixels(std::min(2 * row + 1, height_ - 1))};
    const int rowCount = 2 * row + 1 < height_ ? 2 : 1;
    uint32_t* out = &levels_[0].entries[size_t(row) * size_t(levels_[0].columns)];
    for (int column = 0; column < levels_[0].columns; ++column) {
        Block block;
        const int lastX = std::min(2 * column + 1, width_ - 1);
        for (int r = 0; r < rowCount; ++r) {
            for (int x = 2 * column; x <= lastX; ++x) {
                int value = field.DecodeValue(rows[r][x]);
                block.sum += uint32_t(std::max(value, 0));
                block.count += value >= 0;
            }
        }
        out[column] = Pack(1, block);
    }
}

void KnollReducedField::MakeRow(int level, int row) {
    const Level& below = levels_[level - 2];
    Level& here = levels_[level - 1];
    uint32_t* out = &here.entries[size_t(row) * size_t(here.columns)];
    for (int column = 0; column < here.columns; ++column) {
        Block block;
        for (int r = 2 * row; r < std::min(2 * row + 2, below.rows); ++r) {
            for (int c = 2 * column; c < std::min(2 * column + 2, below.columns); ++c) {
                Add(block, Unpack(level - 1, below.entries[size_t(r) * size_t(below.columns) + size_t(c)]));
            }
        }
        out[column] = Pack(level, block);
    }
}

KnollReducedField::Block KnollReducedField::Entry(int level, int column, int row) const {
    if (level > kStoredLevels) {
        Block block;
        for (int r = 2 * row; r < 2 * row + 2; ++r) {
            for (int c = 2 * column; c < 2 * column + 2; ++c) Add(block, Entry(level - 1, c, r));
        }
        return block;
    }
    const Level& here = levels_[level - 1];
    if (column < 0 || row < 0 || column >= here.columns || row >= here.rows) return {};
    return Unpack(level, here.entries[size_t(row) * size_t(here.columns) + size_t(column)]);
}

void KnollReducedField::ReadRow(int level, int row, int first, int count, Block* out) const {
    for (int i = 0; i < count; ++i) out[i] = Entry(level, first + i, row);
}

size_t KnollReducedField::MemoryBytes() const {
    size_t bytes = 0;
    for (const Level& level : levels_) bytes += level.entries.size() * sizeof(uint32_t);
    return bytes;
}
