#include "view/reduced_field.h"

#include <algorithm>

namespace {

// An entry packs the sum in its low bits and the count above: a block of 2^level square
// positions of at most 65535 holds a sum below 2^(16 + 2 level).
int SumBits(int level) { return 16 + 2 * level; }

// A column of two field rows in one word: a sum of two values below bit 24, the count above.
constexpr int kColumnCountShift = 24;
constexpr uint32_t kColumnSumMask = (1u << kColumnCountShift) - 1;

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

// Each column of the block row's one or two field rows first becomes one word, its sum
// below bit 24 and its count above; then pairs of columns make the entries. Both loops
// run over plain arrays, so the compiler can vectorise them.
void KnollReducedField::MakeFirstLevelRow(const HeightField& field, int row) {
    const TarnMemoryDC& image = field.working();
    const int lastRow = std::min(2 * row + 1, height_ - 1);
    columnSums_.resize(size_t(width_) + 1);
    columnSums_[size_t(width_)] = 0;
    for (int y = 2 * row; y <= lastRow; ++y) {
        const bool first = y == 2 * row;
        if (kind_ == kSixteenBitField) {
            first ? TakeColumns<true, false>(image.RowPixels(y)) : TakeColumns<true, true>(image.RowPixels(y));
        } else {
            first ? TakeColumns<false, false>(image.RowPixels(y)) : TakeColumns<false, true>(image.RowPixels(y));
        }
    }
    // Locals throughout: a store through a uint32_t pointer may alias an int member, which
    // would keep the loops from vectorising.
    const int columns = levels_[0].columns;
    uint32_t* out = &levels_[0].entries[size_t(row) * size_t(columns)];
    const uint32_t* words = columnSums_.data();
    for (int column = 0; column < columns; ++column) {
        const uint32_t word = words[2 * column] + words[2 * column + 1];
        out[column] = (word & kColumnSumMask) | (word >> kColumnCountShift) << SumBits(1);
    }
}

// The first row of a block row sets the column words, the second adds to them.
template <bool kWide, bool kAdd>
void KnollReducedField::TakeColumns(const uint32_t* pixels) {
    uint32_t* words = columnSums_.data();
    const int width = width_;
    for (int x = 0; x < width; ++x) {
        const uint32_t pixel = pixels[x];
        const uint32_t has = pixel != kNoValuePixel;
        const uint32_t value = (kWide ? pixel & 0xFFFF : (pixel >> 16) & 0xFF) & (0u - has);
        const uint32_t word = value | has << kColumnCountShift;
        words[x] = kAdd ? words[x] + word : word;
    }
}

// Each entry adds the two by two entries below it; a missing last row or column of the
// level below counts as empty.
void KnollReducedField::MakeRow(int level, int row) {
    const Level& below = levels_[level - 2];
    Level& here = levels_[level - 1];
    const int columns = here.columns, belowColumns = below.columns;
    const int belowShift = SumBits(level - 1), shift = SumBits(level);
    const uint32_t belowMask = (1u << belowShift) - 1;
    columnSums_.assign(size_t(2 * columns), 0);
    columnCounts_.assign(size_t(2 * columns), 0);
    uint32_t* sums = columnSums_.data();
    uint32_t* counts = columnCounts_.data();
    for (int r = 2 * row; r < std::min(2 * row + 2, below.rows); ++r) {
        const uint32_t* entries = &below.entries[size_t(r) * size_t(belowColumns)];
        for (int c = 0; c < belowColumns; ++c) {
            sums[c] += entries[c] & belowMask;
            counts[c] += entries[c] >> belowShift;
        }
    }
    uint32_t* out = &here.entries[size_t(row) * size_t(columns)];
    for (int column = 0; column < columns; ++column) {
        const uint32_t sum = sums[2 * column] + sums[2 * column + 1];
        const uint32_t count = counts[2 * column] + counts[2 * column + 1];
        out[column] = sum | count << shift;
    }
}

void KnollReducedField::ReadRow(int level, int row, int first, int count, Block* out) const {
    if (level > kStoredLevels) {
        ReadCombinedRow(level, row, first, count, out);
        return;
    }
    const Level& here = levels_[level - 1];
    const int inside = row >= 0 && row < here.rows && first >= 0 ? std::clamp(here.columns - first, 0, count) : 0;
    const uint32_t* entries = inside > 0 ? &here.entries[size_t(row) * size_t(here.columns) + size_t(first)] : nullptr;
    for (int i = 0; i < inside; ++i) out[i] = Unpack(level, entries[i]);
    std::fill(out + inside, out + count, Block{});
}

// A level that is not stored: two rows of the level below, their entries paired.
void KnollReducedField::ReadCombinedRow(int level, int row, int first, int count, Block* out) const {
    std::vector<Block> below(static_cast<size_t>(2 * count));
    std::fill(out, out + count, Block{});
    for (int r = 2 * row; r < 2 * row + 2; ++r) {
        ReadRow(level - 1, r, 2 * first, 2 * count, below.data());
        for (int i = 0; i < count; ++i) {
            Add(out[i], below[size_t(2 * i)]);
            Add(out[i], below[size_t(2 * i + 1)]);
        }
    }
}

size_t KnollReducedField::MemoryBytes() const {
    size_t bytes = 0;
    for (const Level& level : levels_) bytes += level.entries.size() * sizeof(uint32_t);
    return bytes;
}
