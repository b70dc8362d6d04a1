#include "map/reduced_field.h"

#include <algorithm>
#include <climits>

#include "core/vector_clones.h"

namespace {

constexpr int kLastStoredLevel = KnollReducedField::kLastStoredLevel;

int SumBits(int level) { return 16 + 2 * level; }

// Up to sixteen positions in one word: the sum of their values below bit 24, how many
// have one above.
constexpr int kWordCountShift = 24;
constexpr uint32_t kWordSumMask = (1u << kWordCountShift) - 1;

KnollReducedField::Block UnpackWord(uint32_t word) { return {word & kWordSumMask, word >> kWordCountShift}; }

uint32_t EntryOfWord(int level, uint32_t word) {
    return (word & kWordSumMask) | (word >> kWordCountShift) << SumBits(level);
}

void Add(KnollReducedField::Block& to, KnollReducedField::Block block) {
    to.sum += block.sum;
    to.count += block.count;
}

// One position as a word, so words add to a block's sum and count without a branch.
template <bool kWide>
inline __attribute__((always_inline)) uint32_t Word(uint32_t pixel) {
    const uint32_t has = pixel != kNoValuePixel;
    const uint32_t value = PixelSample<kWide>(pixel) & (0u - has);
    return value | has << kWordCountShift;
}

// Up to four field rows that are folded together.
struct FoldedRows {
    static constexpr int kMost = 4;
    const uint32_t* row[kMost] = {};
    int count = 0;
};

// The words of pairs of columns of the given rows in one pass while they are in the
// cache, the last column alone when the width is odd. The loop runs over plain arrays,
// so the compiler can vectorise it.
template <bool kWide, int kRows>
inline __attribute__((always_inline)) void FoldRows(const FoldedRows& rows, int width, uint32_t* out) {
    const int pairs = width / 2;
    for (int column = 0; column < pairs; ++column) {
        uint32_t word = 0;
        for (int r = 0; r < kRows; ++r) {
            word += Word<kWide>(rows.row[r][2 * column]) + Word<kWide>(rows.row[r][2 * column + 1]);
        }
        out[column] = word;
    }
    if (width % 2 == 0) return;
    uint32_t word = 0;
    for (int r = 0; r < kRows; ++r) word += Word<kWide>(rows.row[r][width - 1]);
    out[pairs] = word;
}

template <bool kWide>
inline __attribute__((always_inline)) void FoldRows(const FoldedRows& rows, int width, uint32_t* out) {
    switch (rows.count) {
        case 1: FoldRows<kWide, 1>(rows, width, out); break;
        case 2: FoldRows<kWide, 2>(rows, width, out); break;
        case 3: FoldRows<kWide, 3>(rows, width, out); break;
        default: FoldRows<kWide, 4>(rows, width, out); break;
    }
}

// Every row that a zoomed-out view reads or an operation writes there is folded, so the
// fold runs eight or sixteen positions at a time where the processor allows.
KNOLL_CLONES("arch=x86-64-v4", "avx2", "default")
void FoldRows(bool wide, const FoldedRows& rows, int width, uint32_t* out) {
    wide ? FoldRows<true>(rows, width, out) : FoldRows<false>(rows, width, out);
}

// The words of column pairs first..first + count - 1 over field rows y..y + rows - 1 (at
// most four), straight from the field; what lies beyond it is empty.
void FoldField(const HeightField& field, int y, int rows, int first, int count, uint32_t* out) {
    FoldedRows folded;
    const int width = std::clamp(field.width() - 2 * first, 0, 2 * count);
    const int end = std::min({y + rows, y + FoldedRows::kMost, field.height()});
    for (int r = std::max(y, 0); width > 0 && r < end; ++r) {
        folded.row[folded.count++] = field.working().RowPixels(r) + 2 * first;
    }
    const int made = folded.count > 0 ? (width + 1) / 2 : 0;
    if (made > 0) FoldRows(field.kind() == kSixteenBitField, folded, width, out);
    std::fill(out + made, out + count, 0u);
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
    folded_.resize(size_t((width_ + 1) / 2));
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
//
// During a load only the blocks of the rows stored so far are made; the rest stay marked.
bool KnollReducedField::UpdateUpTo(const HeightField& field, int rows, int top) {
    if (!Matches(field)) Allocate(field);
    if (!anyDirty_) return true;
    const bool loading = field.RowsReady() < height_;
    Level& first = At(kFirstStoredLevel);
    for (int row = 0; row < ReadyRows(field, kFirstStoredLevel); ++row) {
        if (!first.dirty[size_t(row)]) continue;
        if (rows-- <= 0) return false;
        MakeFirstLevelRow(field, row);
        first.dirty[size_t(row)] = 0;
        MakeAbove(kFirstStoredLevel, row, top);
    }
    const int made = std::min(top, kLastStoredLevel);
    for (int level = kFirstStoredLevel + 1; level <= made; ++level) {
        Level& here = At(level);
        for (int row = 0; row < ReadyRows(field, level); ++row) {
            if (!here.dirty[size_t(row)]) continue;
            MakeRow(level, row);
            here.dirty[size_t(row)] = 0;
            MarkAbove(level, row);
        }
    }
    anyDirty_ = made < kLastStoredLevel || loading;
    return !anyDirty_;
}

// The block rows of a level whose field rows all hold values.
int KnollReducedField::ReadyRows(const HeightField& field, int level) const {
    const int ready = field.RowsReady();
    return ready >= height_ ? At(level).rows : ready >> level;
}

// The block row above row `row` of level `level` must be made again.
void KnollReducedField::MarkAbove(int level, int row) {
    if (level >= kLastStoredLevel) return;
    At(level + 1).dirty[size_t(row / 2)] = 1;
    anyDirty_ = true;
}

// A 1:4 row straight from its four field rows: folded by pairs of columns, then the
// pairs added.
void KnollReducedField::MakeFirstLevelRow(const HeightField& field, int row) {
    const int pairs = int(folded_.size());
    const int side = 1 << kFirstStoredLevel;
    FoldField(field, side * row, side, 0, pairs, folded_.data());
    Level& here = At(kFirstStoredLevel);
    uint32_t* out = &here.entries[size_t(row) * size_t(here.columns)];
    for (int column = 0; column < pairs / 2; ++column) {
        out[column] = EntryOfWord(kFirstStoredLevel, folded_[size_t(2 * column)] + folded_[size_t(2 * column + 1)]);
    }
    if (pairs % 2 == 1) out[pairs / 2] = EntryOfWord(kFirstStoredLevel, folded_[size_t(pairs - 1)]);
}

void KnollReducedField::MakeRow(int level, int row) {
    const Level& below = At(level - 1);
    Level& here = At(level);
    const uint32_t* top = &below.entries[size_t(2 * row) * size_t(below.columns)];
    const uint32_t* bottom = 2 * row + 1 < below.rows ? top + below.columns : nullptr;
    FoldEntries(level - 1, top, bottom, below.columns, &here.entries[size_t(row) * size_t(here.columns)]);
}

void KnollReducedField::ReadRows(const HeightField& field, int level, int top, int bottom, int first, int count,
                                 Block* out) const {
    if (level < kFirstStoredLevel) {
        std::vector<uint32_t> words(static_cast<size_t>(count));
        FoldField(field, 2 * top, 2 * (bottom - top), first, count, words.data());
        for (int i = 0; i < count; ++i) out[i] = UnpackWord(words[size_t(i)]);
        return;
    }
    ReadStoredRow(level, top, first, count, out);
    std::vector<Block> more(static_cast<size_t>(bottom > top + 1 ? count : 0));
    for (int row = top + 1; row < bottom; ++row) {
        ReadStoredRow(level, row, first, count, more.data());
        for (int i = 0; i < count; ++i) Add(out[i], more[size_t(i)]);
    }
}

void KnollReducedField::ReadStoredRow(int level, int row, int first, int count, Block* out) const {
    if (level > kLastStoredLevel) {
        ReadCombinedRow(level, row, first, count, out);
        return;
    }
    const Level& here = At(level);
    const int inside = row >= 0 && row < here.rows && first >= 0 ? std::clamp(here.columns - first, 0, count) : 0;
    const uint32_t* entries = inside > 0 ? &here.entries[size_t(row) * size_t(here.columns) + size_t(first)] : nullptr;
    for (int i = 0; i < inside; ++i) out[i] = KnollReducedField::Unpack(level, entries[i]);
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
    size_t bytes = folded_.size() * sizeof(uint32_t);
    for (const Level& level : levels_) bytes += size_t(level.columns) * size_t(level.rows) * sizeof(uint32_t);
    return bytes;
}
