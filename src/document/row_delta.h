#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "core/height_field.h"

enum class StepDirection { Back, Forward };

// What an edit did to some rows of the working image, kept compressed.
//
// Consecutive changed rows form blocks, each over the columns from the first to the last
// that changed. A position's change is kept byte by byte, as the bytes' difference or as
// the bits that flipped, whichever leaves more zeros, and the bytes of each kind are kept
// together: what an edit leaves alone (a 16-bit field's blue and top bytes, the
// positions outside a polygon) then packs to almost nothing.
class RowDelta {
public:
    // Row y as it was before the edit, of the image's width.
    using RowsBefore = std::function<const uint32_t*(int y)>;

    // The rows given, in ascending order, as they were against the image now. Rows the
    // edit left as they were cost nothing.
    static std::shared_ptr<const RowDelta> Between(const TarnMemoryDC& image, std::span<const int> rows,
                                                   const RowsBefore& before);
    // The whole image, to make it again from nothing.
    static std::shared_ptr<const RowDelta> OfImage(const TarnMemoryDC& image);

    // Back turns the image as it is after the edit into the image before it, Forward the
    // other way; the image must be the one the delta was made for, or made from nothing
    // (all zero) for OfImage. The painter hears of every row changed.
    void Apply(HeightField& field, StepDirection direction) const;
    // The image of OfImage, made again: row(y) takes row y's pixels.
    void Restore(const std::function<uint32_t*(int y)>& row) const;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return blocks_.empty(); }
    // Memory held, compressed data and bookkeeping.
    size_t bytes() const;

private:
    enum class Encoding : uint8_t { Difference, Flips };
    struct Block {
        int firstRow = 0;
        int rowCount = 0;
        int firstColumn = 0;
        int columnCount = 0;
        Encoding encoding = Encoding::Difference;
        // Which of the four bytes of a position ever change; the others are not kept.
        uint8_t planes = 0;
        std::vector<char> packed;
    };
    struct Span {
        int row;
        int first;
        int end;
    };
    // Buffers reused from block to block, so a large change does not ask the system for
    // fresh memory at every block.
    struct Scratch {
        std::vector<uint8_t> planes;
        std::vector<char> packed;
        std::vector<uint8_t> zeros;
    };

    RowDelta(int width, int height) : width_(width), height_(height) {}
    void AddBlocks(const TarnMemoryDC& image, std::span<const Span> spans, const RowsBefore& before);
    void Pack(const TarnMemoryDC& image, Block block, const RowsBefore& before, Scratch& scratch);
    // The block's changes as planes of bytes, one plane a byte of the position, those
    // never changed all zero.
    const uint8_t* Unpack(const Block& block, Scratch& scratch) const;
    void ApplyBlock(const Block& block, const std::vector<uint32_t*>& rows, StepDirection direction,
                    Scratch& scratch) const;

    int width_;
    int height_;
    std::vector<Block> blocks_;
};
