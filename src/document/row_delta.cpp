#include "document/row_delta.h"

#include <lz4.h>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// About 256 KiB of changes a block: its rows, before and after, stay in the cache while
// it is packed, and a block is unpacked into as little.
constexpr size_t kBlockPositions = 64 * 1024;

constexpr uint32_t kHighBits = 0x80808080u;
constexpr uint32_t kLowBits = 0x7F7F7F7Fu;

// Each byte of after minus the same byte of before, modulo 256, and the sum back.
inline uint32_t ByteDifference(uint32_t after, uint32_t before) {
    return ((after | kHighBits) - (before & kLowBits)) ^ ((after ^ ~before) & kHighBits);
}
inline uint32_t ByteSum(uint32_t a, uint32_t b) { return ((a & kLowBits) + (b & kLowBits)) ^ ((a ^ b) & kHighBits); }
inline int NonZeroBytes(uint32_t word) {
    return std::popcount((((word & kLowBits) + kLowBits) | word) & kHighBits);
}

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

void RowDelta::Pack(const TarnMemoryDC& image, const Block& shape, const RowsBefore& before, Scratch& scratch) {
    const size_t count = size_t(shape.rowCount) * size_t(shape.columnCount);
    std::vector<uint32_t>& differences = scratch.differences;
    std::vector<uint32_t>& flips = scratch.flips;
    differences.resize(count);
    flips.resize(count);
    int differenceBytes = 0, flipBytes = 0;
    for (int r = 0; r < shape.rowCount; ++r) {
        const uint32_t* was = before(shape.firstRow + r) + shape.firstColumn;
        const uint32_t* now = image.RowPixels(shape.firstRow + r) + shape.firstColumn;
        uint32_t* difference = differences.data() + size_t(r) * size_t(shape.columnCount);
        uint32_t* flip = flips.data() + size_t(r) * size_t(shape.columnCount);
        for (int x = 0; x < shape.columnCount; ++x) {
            difference[x] = ByteDifference(now[x], was[x]);
            flip[x] = now[x] ^ was[x];
            differenceBytes += NonZeroBytes(difference[x]);
            flipBytes += NonZeroBytes(flip[x]);
        }
    }
    Block block = shape;
    block.encoding = flipBytes < differenceBytes ? Encoding::Flips : Encoding::Difference;
    const std::vector<uint32_t>& changes = block.encoding == Encoding::Flips ? flips : differences;
    std::vector<char>& planes = scratch.planes;
    planes.resize(count * 4);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t change = changes[i];
        for (size_t b = 0; b < 4; ++b) planes[b * count + i] = char(change >> (8 * b));
    }
    std::vector<char>& packed = scratch.packed;
    packed.resize(size_t(LZ4_compressBound(int(count * 4))));
    const int size = LZ4_compress_default(planes.data(), packed.data(), int(count * 4), int(packed.size()));
    block.packed.assign(packed.begin(), packed.begin() + size);
    blocks_.push_back(std::move(block));
}

void RowDelta::Unpack(const Block& block, Scratch& scratch,
                      const std::function<void(int row, const uint32_t* changes)>& take) const {
    const size_t columns = size_t(block.columnCount);
    const size_t count = size_t(block.rowCount) * columns;
    std::vector<char>& planes = scratch.planes;
    planes.resize(count * 4);
    LZ4_decompress_safe(block.packed.data(), planes.data(), int(block.packed.size()), int(count * 4));
    const auto* bytes = reinterpret_cast<const uint8_t*>(planes.data());
    std::vector<uint32_t>& changes = scratch.changes;
    changes.resize(columns);
    for (int r = 0; r < block.rowCount; ++r) {
        const size_t at = size_t(r) * columns;
        for (size_t x = 0; x < columns; ++x) {
            changes[x] = uint32_t(bytes[at + x]) | uint32_t(bytes[count + at + x]) << 8 |
                         uint32_t(bytes[2 * count + at + x]) << 16 | uint32_t(bytes[3 * count + at + x]) << 24;
        }
        take(block.firstRow + r, changes.data());
    }
}

void RowDelta::Apply(HeightField& field, StepDirection direction) const {
    const bool back = direction == StepDirection::Back;
    Scratch scratch;
    for (const Block& block : blocks_) {
        Unpack(block, scratch, [&](int row, const uint32_t* changes) {
            uint32_t* pixels = field.WritableRow(row) + block.firstColumn;
            if (block.encoding == Encoding::Flips) {
                for (int x = 0; x < block.columnCount; ++x) pixels[x] ^= changes[x];
            } else if (back) {
                for (int x = 0; x < block.columnCount; ++x) pixels[x] = ByteDifference(pixels[x], changes[x]);
            } else {
                for (int x = 0; x < block.columnCount; ++x) pixels[x] = ByteSum(pixels[x], changes[x]);
            }
            field.painter().RowChanged(row);
        });
    }
}

// Against nothing, the changes are the pixels themselves.
void RowDelta::Restore(const std::function<uint32_t*(int y)>& row) const {
    Scratch scratch;
    for (const Block& block : blocks_) {
        Unpack(block, scratch, [&](int y, const uint32_t* changes) {
            std::copy_n(changes, block.columnCount, row(y) + block.firstColumn);
        });
    }
}

size_t RowDelta::bytes() const {
    size_t total = sizeof(RowDelta) + blocks_.capacity() * sizeof(Block);
    for (const Block& block : blocks_) total += block.packed.capacity();
    return total;
}
