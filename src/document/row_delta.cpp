#include "document/row_delta.h"

#include <lz4.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "document/background_work.h"

namespace {

// About 256 KiB of changes a block: its rows, before and after, stay in the cache while
// it is packed, and a block is unpacked into as little.
constexpr size_t kBlockPositions = 64 * 1024;
// A change of a million positions and more is applied on two threads.
constexpr size_t kParallelPositions = 1024 * 1024;

constexpr uint32_t kHighBits = 0x80808080u;
constexpr uint32_t kLowBits = 0x7F7F7F7Fu;

// Each byte of after minus the same byte of before, modulo 256, and the sum back.
inline uint32_t ByteDifference(uint32_t after, uint32_t before) {
    return ((after | kHighBits) - (before & kLowBits)) ^ ((after ^ ~before) & kHighBits);
}
inline uint32_t ByteSum(uint32_t a, uint32_t b) { return ((a & kLowBits) + (b & kLowBits)) ^ ((a ^ b) & kHighBits); }

const uint32_t* ZeroRow(int width) {
    static thread_local std::vector<uint32_t> zeros;
    if (zeros.size() < size_t(width)) zeros.assign(size_t(width), 0);
    return zeros.data();
}

}  // namespace

std::shared_ptr<const RowDelta> RowDelta::Between(const TarnMemoryDC& image, std::span<const int> rows,
                                                  const RowsBefore& before) {
    std::shared_ptr<RowDelta> delta(new RowDelta(image.width(), image.height()));
    std::vector<Span> spans;
    const int width = image.width();
    for (int y : rows) {
        const uint32_t* was = before(y);
        const uint32_t* now = image.RowPixels(y);
        if (std::memcmp(was, now, size_t(width) * sizeof(uint32_t)) == 0) continue;
        int first = 0;
        while (was[first] == now[first]) ++first;
        int end = width;
        while (was[end - 1] == now[end - 1]) --end;
        spans.push_back({y, first, end});
    }
    delta->AddBlocks(image, spans, before);
    return delta;
}

std::shared_ptr<const RowDelta> RowDelta::OfImage(const TarnMemoryDC& image) {
    std::shared_ptr<RowDelta> delta(new RowDelta(image.width(), image.height()));
    std::vector<Span> spans;
    for (int y = 0; y < image.height(); ++y) spans.push_back({y, 0, image.width()});
    const uint32_t* zeros = ZeroRow(image.width());
    delta->AddBlocks(image, spans, [zeros](int) { return zeros; });
    return delta;
}

// Consecutive rows join a block while it stays within its size, over the columns any of
// them changed.
void RowDelta::AddBlocks(const TarnMemoryDC& image, std::span<const Span> spans, const RowsBefore& before) {
    Scratch scratch;
    size_t i = 0;
    while (i < spans.size()) {
        Block block;
        block.firstRow = spans[i].row;
        block.rowCount = 1;
        block.firstColumn = spans[i].first;
        int end = spans[i].end;
        for (++i; i < spans.size() && spans[i].row == block.firstRow + block.rowCount; ++i) {
            const int first = std::min(block.firstColumn, spans[i].first);
            const int last = std::max(end, spans[i].end);
            if (size_t(block.rowCount + 1) * size_t(last - first) > kBlockPositions) break;
            block.firstColumn = first;
            end = last;
            ++block.rowCount;
        }
        block.columnCount = end - block.firstColumn;
        Pack(image, block, before, scratch);
    }
}

namespace {

// How many times the change differs from the one before it, by each encoding: what
// packs into runs, such as the same bits flipped everywhere or the same amount added.
struct EncodingCost {
    size_t differenceBreaks = 0;
    size_t flipBreaks = 0;
    uint32_t differenceBits = 0;
    uint32_t flipBits = 0;
};

void CountBreaks(const uint32_t* __restrict was, const uint32_t* __restrict now, int count, EncodingCost& cost) {
    uint32_t lastDifference = ByteDifference(now[0], was[0]), lastFlip = now[0] ^ was[0];
    size_t differenceBreaks = 0, flipBreaks = 0;
    uint32_t differenceBits = lastDifference, flipBits = lastFlip;
    for (int x = 1; x < count; ++x) {
        const uint32_t difference = ByteDifference(now[x], was[x]);
        const uint32_t flip = now[x] ^ was[x];
        differenceBreaks += difference != lastDifference;
        flipBreaks += flip != lastFlip;
        differenceBits |= difference;
        flipBits |= flip;
        lastDifference = difference;
        lastFlip = flip;
    }
    cost.differenceBreaks += differenceBreaks;
    cost.flipBreaks += flipBreaks;
    cost.differenceBits |= differenceBits;
    cost.flipBits |= flipBits;
}

// The planes of the bytes that change, one after the other, each count long.
template <bool kFlips>
void SplitIntoPlanes(const uint32_t* __restrict was, const uint32_t* __restrict now, int count, uint8_t planes,
                     uint8_t* __restrict out, size_t planeSize) {
    for (int plane = 0; plane < 4; ++plane) {
        if (!(planes & (1 << plane))) continue;
        const int shift = 8 * plane;
        for (int x = 0; x < count; ++x) {
            const uint32_t change = kFlips ? now[x] ^ was[x] : ByteDifference(now[x], was[x]);
            out[x] = uint8_t(change >> shift);
        }
        out += planeSize;
    }
}

uint8_t PlanesOf(uint32_t bits) {
    uint8_t planes = 0;
    for (int plane = 0; plane < 4; ++plane) {
        if (bits & (0xFFu << (8 * plane))) planes |= uint8_t(1 << plane);
    }
    return planes;
}

// The planes of a block, those not kept read as zeros.
struct PlaneReader {
    const uint8_t* plane[4];

    PlaneReader(const uint8_t* unpacked, uint8_t planes, size_t planeSize, const uint8_t* zeros) {
        for (int b = 0; b < 4; ++b) {
            plane[b] = (planes & (1 << b)) ? unpacked : zeros;
            if (planes & (1 << b)) unpacked += planeSize;
        }
    }
};

enum class ApplyMode { Flip, Subtract, Add, Copy };

// Applies the changes of one row, at offset at of the planes. The planes kept are a
// template argument, so the loop reads no plane of zeros and has no branch.
template <ApplyMode kMode, uint8_t kPlanes>
void ApplyRow(uint32_t* __restrict pixels, const PlaneReader& reader, size_t at, int count) {
    const uint8_t* __restrict p0 = reader.plane[0] + at;
    const uint8_t* __restrict p1 = reader.plane[1] + at;
    const uint8_t* __restrict p2 = reader.plane[2] + at;
    const uint8_t* __restrict p3 = reader.plane[3] + at;
    for (int x = 0; x < count; ++x) {
        uint32_t change = 0;
        if constexpr (kPlanes & 1) change |= uint32_t(p0[x]);
        if constexpr (kPlanes & 2) change |= uint32_t(p1[x]) << 8;
        if constexpr (kPlanes & 4) change |= uint32_t(p2[x]) << 16;
        if constexpr (kPlanes & 8) change |= uint32_t(p3[x]) << 24;
        if constexpr (kMode == ApplyMode::Flip) pixels[x] ^= change;
        if constexpr (kMode == ApplyMode::Subtract) pixels[x] = ByteDifference(pixels[x], change);
        if constexpr (kMode == ApplyMode::Add) pixels[x] = ByteSum(pixels[x], change);
        if constexpr (kMode == ApplyMode::Copy) pixels[x] = change;
    }
}

// The planes a 16-bit field changes (two low bytes), an 8-bit field's colours (three), or
// any other set, read through the plane of zeros.
template <ApplyMode kMode>
void ApplyRow(uint8_t planes, uint32_t* pixels, const PlaneReader& reader, size_t at, int count) {
    switch (planes) {
        case 0x3: ApplyRow<kMode, 0x3>(pixels, reader, at, count); break;
        case 0x7: ApplyRow<kMode, 0x7>(pixels, reader, at, count); break;
        default: ApplyRow<kMode, 0xF>(pixels, reader, at, count); break;
    }
}

}  // namespace

void RowDelta::Pack(const TarnMemoryDC& image, Block block, const RowsBefore& before, Scratch& scratch) {
    const size_t count = size_t(block.rowCount) * size_t(block.columnCount);
    EncodingCost cost;
    for (int r = 0; r < block.rowCount; ++r) {
        CountBreaks(before(block.firstRow + r) + block.firstColumn, image.RowPixels(block.firstRow + r) + block.firstColumn,
                    block.columnCount, cost);
    }
    const bool flips = cost.flipBreaks < cost.differenceBreaks;
    block.encoding = flips ? Encoding::Flips : Encoding::Difference;
    block.planes = PlanesOf(flips ? cost.flipBits : cost.differenceBits);
    const size_t planeCount = size_t(std::popcount(block.planes));
    scratch.planes.resize(count * planeCount);
    for (int r = 0; r < block.rowCount; ++r) {
        const uint32_t* was = before(block.firstRow + r) + block.firstColumn;
        const uint32_t* now = image.RowPixels(block.firstRow + r) + block.firstColumn;
        uint8_t* out = scratch.planes.data() + size_t(r) * size_t(block.columnCount);
        if (flips) {
            SplitIntoPlanes<true>(was, now, block.columnCount, block.planes, out, count);
        } else {
            SplitIntoPlanes<false>(was, now, block.columnCount, block.planes, out, count);
        }
    }
    const int size = int(scratch.planes.size());
    scratch.packed.resize(size_t(LZ4_compressBound(size)));
    const int packed = LZ4_compress_default(reinterpret_cast<const char*>(scratch.planes.data()), scratch.packed.data(),
                                            size, int(scratch.packed.size()));
    block.packed.assign(scratch.packed.begin(), scratch.packed.begin() + packed);
    blocks_.push_back(std::move(block));
}

const uint8_t* RowDelta::Unpack(const Block& block, Scratch& scratch) const {
    const size_t size = size_t(block.rowCount) * size_t(block.columnCount) * size_t(std::popcount(block.planes));
    scratch.planes.resize(size);
    const size_t planeSize = size_t(block.rowCount) * size_t(block.columnCount);
    if (scratch.zeros.size() < planeSize) scratch.zeros.resize(planeSize, 0);
    LZ4_decompress_safe(block.packed.data(), reinterpret_cast<char*>(scratch.planes.data()), int(block.packed.size()),
                        int(size));
    return scratch.planes.data();
}

// The rows are taken for writing and their painter told on this thread; the blocks are
// unpacked and applied on two when there are enough of them, so a step over a change of
// the whole field takes about half the time.
void RowDelta::Apply(HeightField& field, StepDirection direction) const {
    std::vector<uint32_t*> rows(size_t(height_), nullptr);
    size_t positions = 0;
    for (const Block& block : blocks_) {
        for (int r = 0; r < block.rowCount; ++r) rows[size_t(block.firstRow + r)] = field.WritableRow(block.firstRow + r);
        positions += size_t(block.rowCount) * size_t(block.columnCount);
    }
    auto applyBlocks = [&](size_t first, size_t end) {
        Scratch scratch;
        for (size_t i = first; i < end; ++i) ApplyBlock(blocks_[i], rows, direction, scratch);
    };
    size_t split = blocks_.size();
    if (positions >= kParallelPositions) {
        size_t half = 0;
        for (split = 0; split < blocks_.size() && half < positions / 2; ++split) {
            half += size_t(blocks_[split].rowCount) * size_t(blocks_[split].columnCount);
        }
    }
    std::future<void> other;
    if (split < blocks_.size()) other = WorkOut([&] { applyBlocks(split, blocks_.size()); });
    applyBlocks(0, split);
    if (other.valid()) other.get();
    for (const Block& block : blocks_) {
        for (int r = 0; r < block.rowCount; ++r) field.painter().RowChanged(block.firstRow + r);
    }
}

void RowDelta::ApplyBlock(const Block& block, const std::vector<uint32_t*>& rows, StepDirection direction,
                          Scratch& scratch) const {
    const size_t planeSize = size_t(block.rowCount) * size_t(block.columnCount);
    const uint8_t* unpacked = Unpack(block, scratch);
    const PlaneReader reader(unpacked, block.planes, planeSize, scratch.zeros.data());
    for (int r = 0; r < block.rowCount; ++r) {
        uint32_t* pixels = rows[size_t(block.firstRow + r)] + block.firstColumn;
        const size_t at = size_t(r) * size_t(block.columnCount);
        if (block.encoding == Encoding::Flips) {
            ApplyRow<ApplyMode::Flip>(block.planes, pixels, reader, at, block.columnCount);
        } else if (direction == StepDirection::Back) {
            ApplyRow<ApplyMode::Subtract>(block.planes, pixels, reader, at, block.columnCount);
        } else {
            ApplyRow<ApplyMode::Add>(block.planes, pixels, reader, at, block.columnCount);
        }
    }
}

// Against nothing, the changes are the pixels themselves.
void RowDelta::Restore(const std::function<uint32_t*(int y)>& row) const {
    Scratch scratch;
    for (const Block& block : blocks_) {
        const size_t planeSize = size_t(block.rowCount) * size_t(block.columnCount);
        const uint8_t* unpacked = Unpack(block, scratch);
        const PlaneReader reader(unpacked, block.planes, planeSize, scratch.zeros.data());
        for (int r = 0; r < block.rowCount; ++r) {
            ApplyRow<ApplyMode::Copy>(block.planes, row(block.firstRow + r) + block.firstColumn, reader,
                                      size_t(r) * size_t(block.columnCount), block.columnCount);
        }
    }
}

size_t RowDelta::bytes() const {
    size_t total = sizeof(RowDelta) + blocks_.capacity() * sizeof(Block);
    for (const Block& block : blocks_) total += block.packed.capacity();
    return total;
}
