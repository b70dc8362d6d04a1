#include "view/reduced_field.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kLastStoredLevel = KnollReducedField::kFirstStoredLevel + 1;

// An entry packs the sum in its low bits and the count above: a block of 2^level square
// positions of at most 65535 holds a sum below 2^(16 + 2 level).
int SumBits(int level) { return 16 + 2 * level; }

// Up to four positions in one word: the sum of their values below bit 24, the count above.
constexpr int kColumnCountShift = 24;
constexpr uint32_t kColumnSumMask = (1u << kColumnCountShift) - 1;

KnollReducedField::Block Unpack(int level, uint32_t entry) {
    return {entry & ((1u << SumBits(level)) - 1), entry >> SumBits(level)};
}

void Add(KnollReducedField::Block& to, KnollReducedField::Block block) {
    to.sum += block.sum;
    to.count += block.count;
}

// One position as a word: its value below bit 24 and 1 above when it has one, so four
// words add to a 1:2 entry's sum and count without a branch.
template <bool kWide>
inline __attribute__((always_inline)) uint32_t Word(uint32_t pixel) {
    const uint32_t has = pixel != kNoValuePixel;
    const uint32_t value = (kWide ? pixel & 0xFFFF : (pixel >> 16) & 0xFF) & (0u - has);
    return value | has << kColumnCountShift;
}

uint32_t PairEntry(uint32_t word) { return (word & kColumnSumMask) | (word >> kColumnCountShift) << SumBits(1); }

// The 1:2 entries of field rows `top` and `bottom` (the same row when the field ends
// there) in one pass while they are in the cache: each entry from its four positions,
// the last column alone when the width is odd. The loop runs over plain arrays, so the
// compiler can vectorise it.
template <bool kWide, bool kTwoRows>
inline __attribute__((always_inline)) void FoldRows(const uint32_t* top, const uint32_t* bottom, int width,
                                                    uint32_t* out) {
    const int pairs = width / 2;
    for (int column = 0; column < pairs; ++column) {
        uint32_t word = Word<kWide>(top[2 * column]) + Word<kWide>(top[2 * column + 1]);
        if (kTwoRows) word += Word<kWide>(bottom[2 * column]) + Word<kWide>(bottom[2 * column + 1]);
        out[column] = PairEntry(word);
    }
    if (width % 2 == 0) return;
    const uint32_t word = Word<kWide>(top[width - 1]) + (kTwoRows ? Word<kWide>(bottom[width - 1]) : 0);
    out[pairs] = PairEntry(word);
}

// Every row that a zoomed-out view reads or an operation writes there is folded, so the
// fold runs eight or sixteen positions at a time where the processor allows.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void FoldRows(bool wide, const uint32_t* top, const uint32_t* bottom, int width, uint32_t* out) {
    if (wide) {
        bottom ? FoldRows<true, true>(top, bottom, width, out) : FoldRows<true, false>(top, nullptr, width, out);
    } else {
        bottom ? FoldRows<false, true>(top, bottom, width, out) : FoldRows<false, false>(top, nullptr, width, out);
    }
}

// The 1:2 entries first..first + count - 1 of block row `row`, straight from the field;
// blocks beyond it are empty.
void FoldFieldRows(const HeightField& field, int row, int first, int count, uint32_t* out) {
    const int y = 2 * row, x = 2 * first;
    const int width = row >= 0 && y < field.height() ? std::clamp(field.width() - x, 0, 2 * count) : 0;
    if (width > 0) {
        const TarnMemoryDC& image = field.working();
        const uint32_t* bottom = y + 1 < field.height() ? image.RowPixels(y + 1) + x : nullptr;
        FoldRows(field.kind() == kSixteenBitField, image.RowPixels(y) + x, bottom, width, out);
    }
    std::fill(out + (width + 1) / 2, out + count, 0u);
}

// Entries of the level above from pairs of columns of one or two rows below, the shifts
// those of the two levels' packing.
template <bool kTwoRows>
void AddBlocks(const uint32_t* top, const uint32_t* bottom, int pairs, int belowShift, int shift, uint32_t* out) {
    const uint32_t mask = (1u << belowShift) - 1;
    for (int column = 0; column < pairs; ++column) {
        const uint32_t a = top[2 * column], b = top[2 * column + 1];
        uint32_t sum = (a & mask) + (b & mask), count = (a >> belowShift) + (b >> belowShift);
        if (kTwoRows) {
            const uint32_t c = bottom[2 * column], d = bottom[2 * column + 1];
            sum += (c & mask) + (d & mask);
            count += (c >> belowShift) + (d >> belowShift);
        }
        out[column] = sum | count << shift;
    }
}

void AddBlocks(const uint32_t* top, const uint32_t* bottom, int pairs, int belowShift, int shift, uint32_t* out) {
    if (bottom) {
        AddBlocks<true>(top, bottom, pairs, belowShift, shift, out);
    } else {
        AddBlocks<false>(top, nullptr, pairs, belowShift, shift, out);
    }
}

// A row of entries of the level above `below` from two rows of `columns` entries of it
// (one when that level ends there), each adding the two by two entries under it; a
// missing last column counts as empty.
void FoldEntries(int below, const uint32_t* top, const uint32_t* bottom, int columns, uint32_t* out) {
    const int belowShift = SumBits(below), shift = SumBits(below + 1);
    const int pairs = columns / 2;
    AddBlocks(top, bottom, pairs, belowShift, shift, out);
    if (columns % 2 == 0) return;
    const uint32_t lastTop[2] = {top[columns - 1], 0};
    const uint32_t lastBottom[2] = {bottom ? bottom[columns - 1] : 0, 0};
    AddBlocks(lastTop, bottom ? lastBottom : nullptr, 1, belowShift, shift, out + pairs);
}

}  // namespace

bool KnollReducedField::Matches(const HeightField& field) const {
    return Exists() && field.width() == width_ && field.height() == height_ && field.kind() == kind_;
}

void KnollReducedField::Allocate(const HeightField& field) {
    width_ = field.width();
    height_ = field.height();
    kind_ = field.kind();
    for (int level = kFirstStoredLevel; level <= kLastStoredLevel; ++level) {
        const int side = 1 << level;
        Level& here = At(level);
        here.columns = (width_ + side - 1) / side;
        here.rows = (height_ + side - 1) / side;
        // Every entry is made before it is read, so the memory is not cleared first.
        here.entries.reset(new uint32_t[size_t(here.columns) * size_t(here.rows)]);
        here.dirty.assign(size_t(here.rows), 1);
    }
    pairRows_.resize(2 * size_t((width_ + 1) / 2));
    anyDirty_ = true;
}

void KnollReducedField::MarkRow(int y) {
    if (!Exists() || y < 0 || y >= height_) return;
    At(kFirstStoredLevel).dirty[size_t(y >> kFirstStoredLevel)] = 1;
    anyDirty_ = true;
}

void KnollReducedField::MarkAll() {
    for (Level& level : levels_) std::fill(level.dirty.begin(), level.dirty.end(), 1);
    anyDirty_ = Exists();
}

void KnollReducedField::RowChanged(const HeightField& field, int y) {
    MarkRow(y);
    if (!Matches(field) || y < 0 || y >= height_) return;
    const int side = 1 << kFirstStoredLevel;
    if (y % side != side - 1 && y != height_ - 1) return;
    const int row = y / side;
    MakeFirstLevelRow(field, row);
    At(kFirstStoredLevel).dirty[size_t(row)] = 0;
    MarkAbove(kFirstStoredLevel, row);
}

// Row `row` of level `level` is current. The block row above, up to level `top`, is made
// now while its two halves are still in the cache, once the second half is done and the
// first is current; otherwise it is marked for Update.
void KnollReducedField::MakeAbove(int level, int row, int top) {
    for (; level < std::min(top, kLastStoredLevel); ++level, row /= 2) {
        const Level& here = At(level);
        const bool second = row % 2 == 1;
        if (!(second || row == here.rows - 1) || (second && here.dirty[size_t(row - 1)])) break;
        MakeRow(level + 1, row / 2);
        At(level + 1).dirty[size_t(row / 2)] = 0;
    }
    MarkAbove(level, row);
}

void KnollReducedField::Update(const HeightField& field, int level) {
    if (level >= kFirstStoredLevel) UpdateUpTo(field, INT_MAX, level);
}

bool KnollReducedField::UpdateSome(const HeightField& field, int rows) {
    return UpdateUpTo(field, rows, kLargestLevel);
}

// The marked 1:4 rows first, in order, each making the rows above that it completes while
// they are in the cache; then whatever is still marked above them, up to level `top`.
// The levels above it stay marked: a view that does not show them need not wait for them.
bool KnollReducedField::UpdateUpTo(const HeightField& field, int rows, int top) {
    if (!Matches(field)) Allocate(field);
    if (!anyDirty_) return true;
    Level& first = At(kFirstStoredLevel);
    for (int row = 0; row < first.rows; ++row) {
        if (!first.dirty[size_t(row)]) continue;
        if (rows-- <= 0) return false;
        MakeFirstLevelRow(field, row);
        first.dirty[size_t(row)] = 0;
        MakeAbove(kFirstStoredLevel, row, top);
    }
    const int made = std::min(top, kLastStoredLevel);
    for (int level = kFirstStoredLevel + 1; level <= made; ++level) {
        Level& here = At(level);
        for (int row = 0; row < here.rows; ++row) {
            if (!here.dirty[size_t(row)]) continue;
            MakeRow(level, row);
            here.dirty[size_t(row)] = 0;
            MarkAbove(level, row);
        }
    }
    anyDirty_ = made < kLastStoredLevel;
    return !anyDirty_;
}

// The block row above row `row` of level `level` must be made again.
void KnollReducedField::MarkAbove(int level, int row) {
    if (level >= kLastStoredLevel) return;
    At(level + 1).dirty[size_t(row / 2)] = 1;
    anyDirty_ = true;
}

// A 1:4 row from two rows of 1:2 entries, each folded from two field rows.
void KnollReducedField::MakeFirstLevelRow(const HeightField& field, int row) {
    const int columns = (width_ + 1) / 2;
    uint32_t* top = pairRows_.data();
    uint32_t* bottom = 4 * row + 2 < height_ ? top + columns : nullptr;
    FoldFieldRows(field, 2 * row, 0, columns, top);
    if (bottom) FoldFieldRows(field, 2 * row + 1, 0, columns, bottom);
    Level& here = At(kFirstStoredLevel);
    FoldEntries(1, top, bottom, columns, &here.entries[size_t(row) * size_t(here.columns)]);
}

void KnollReducedField::MakeRow(int level, int row) {
    const Level& below = At(level - 1);
    Level& here = At(level);
    const uint32_t* top = &below.entries[size_t(2 * row) * size_t(below.columns)];
    const uint32_t* bottom = 2 * row + 1 < below.rows ? top + below.columns : nullptr;
    FoldEntries(level - 1, top, bottom, below.columns, &here.entries[size_t(row) * size_t(here.columns)]);
}

void KnollReducedField::ReadRow(const HeightField& field, int level, int row, int first, int count,
                                Block* out) const {
    if (level >= kFirstStoredLevel) {
        ReadStoredRow(level, row, first, count, out);
        return;
    }
    std::vector<uint32_t> entries(static_cast<size_t>(count));
    FoldFieldRows(field, row, first, count, entries.data());
    for (int i = 0; i < count; ++i) out[i] = Unpack(level, entries[size_t(i)]);
}

void KnollReducedField::ReadStoredRow(int level, int row, int first, int count, Block* out) const {
    if (level > kLastStoredLevel) {
        ReadCombinedRow(level, row, first, count, out);
        return;
    }
    const Level& here = At(level);
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
        ReadStoredRow(level - 1, r, 2 * first, 2 * count, below.data());
        for (int i = 0; i < count; ++i) {
            Add(out[i], below[size_t(2 * i)]);
            Add(out[i], below[size_t(2 * i + 1)]);
        }
    }
}

size_t KnollReducedField::MemoryBytes() const {
    size_t bytes = pairRows_.size() * sizeof(uint32_t);
    for (const Level& level : levels_) bytes += size_t(level.columns) * size_t(level.rows) * sizeof(uint32_t);
    return bytes;
}
