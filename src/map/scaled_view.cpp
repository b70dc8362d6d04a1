#include "map/scaled_view.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

#include "map/map_blocks.h"

namespace {

// The field's own positions first..first + count - 1, summed over rows top..bottom - 1,
// for the scales that sample no reduced level.
void ReadPositions(const HeightField& field, int top, int bottom, int first, int count,
                   KnollReducedField::Block* out) {
    std::fill(out, out + count, KnollReducedField::Block{});
    const int inside = std::clamp(field.width() - first, 0, count);
    for (int row = top; inside > 0 && row < std::min(bottom, field.height()); ++row) {
        const uint32_t* pixels = field.working().RowPixels(row) + first;
        for (int i = 0; i < inside; ++i) {
            const int value = field.DecodeValue(pixels[i]);
            if (value < 0) continue;
            out[i].sum += uint32_t(value);
            ++out[i].count;
        }
    }
}

// Pixels 0..shown - 1 of a view row from the sums of the blocks they show: block x for
// pixel x at a power of two; at a fractional scale, firstBlocks[x] and the block before
// firstBlocks[x + 1] when that is another. `sums` has one empty entry more than is read.
void ColourPixels(const MapColours& colours, const std::vector<KnollReducedField::Block>& sums,
                  const int* firstBlocks, int shown, uint32_t* out) {
    using Block = KnollReducedField::Block;
    auto colour = [&](const Block& b) { return colours.OfBlock(b); };
    if (!firstBlocks) {
        for (int x = 0; x < shown; ++x) out[x] = colour(sums[size_t(x)]);
        return;
    }
    // The second block is added under a mask: which pixels have one follows no pattern a
    // branch learns.
    for (int x = 0; x < shown; ++x) {
        const size_t first = size_t(firstBlocks[x]);
        const uint32_t second = 0u - uint32_t(firstBlocks[x + 1] - int(first) - 1);
        out[x] = colour(Block{sums[first].sum + (sums[first + 1].sum & second),
                              sums[first].count + (sums[first + 1].count & second)});
    }
}

// The view rows from the top whose field rows all hold values: during a load, those its
// rows stored so far cover; all of them otherwise.
int ReadyViewRows(const HeightField& field, const KnollViewScale& scale, int offsetY, int viewRows) {
    const int ready = field.RowsReady();
    if (ready >= field.height()) return viewRows;
    int y = 0;
    if (scale.IsReduced()) {
        while (y < viewRows && std::min(scale.ToField(y + 1, offsetY), field.height()) <= ready) ++y;
    } else {
        while (y < viewRows && scale.ToField(y, offsetY) < ready) ++y;
    }
    return y;
}

// Each pixel adds the blocks of the sampled level it shows: one at a power of two, one or
// two a side at a fractional scale.
void DrawReduced(const HeightField& field, const KnollReducedField& reduced, const KnollViewScale& scale,
                 vPoint offset, Raster& view, ViewRows rows, const MapColours& colours) {
    using Block = KnollReducedField::Block;
    const int level = -scale.level();
    const int block = scale.BlockSize();
    // Only the pixels that show the field read the copy; the rest is white.
    const int columns = std::clamp(scale.ViewSpan(field.width() - offset.x), 0, view.Width());
    const int fieldRows = std::clamp(std::min(scale.ViewSpan(field.height() - offset.y),
                                              ReadyViewRows(field, scale, offset.y, view.Height())),
                                     0, view.Height());
    std::vector<int> firstBlocks(static_cast<size_t>(columns) + 1);
    for (int x = 0; x <= columns; ++x) firstBlocks[size_t(x)] = scale.ToField(x, 0) / block;
    const int span = firstBlocks.back();
    // One entry more than read, left empty, for the second block of the last pixel.
    std::vector<Block> sums(static_cast<size_t>(span) + 1);
    for (int y = rows.first; y < rows.end; ++y) {
        uint32_t* out = view.Row(y);
        const int shown = y < fieldRows ? columns : 0;
        if (shown > 0) {
            const int top = offset.y / block + scale.ToField(y, 0) / block;
            const int bottom = offset.y / block + scale.ToField(y + 1, 0) / block;
            if (level > 0) {
                reduced.ReadRows(field, level, top, bottom, offset.x / block, span, sums.data());
            } else {
                ReadPositions(field, top, bottom, offset.x / block, span, sums.data());
            }
        }
        ColourPixels(colours, sums, scale.IsFractional() ? firstBlocks.data() : nullptr, shown, out);
        std::fill(out + shown, out + view.Width(), kNoValuePixel);
    }
}

void DrawMagnified(const HeightField& field, const KnollViewScale& scale, vPoint offset, Raster& view,
                   ViewRows rows) {
    const TarnMemoryDC& image = field.working();
    const int width = view.Width();
    // Each position's colour fills its block, and the rows of a block are copies. Rows
    // without values yet (a load under way) are white.
    const int shown = std::clamp(scale.ViewSpan(field.width() - offset.x), 0, width);
    const int magnification = scale.Magnification();
    for (int y = rows.first; y < rows.end; ++y) {
        const int fieldY = scale.ToField(y, offset.y);
        uint32_t* out = view.Row(y);
        if (y > rows.first && scale.ToField(y - 1, offset.y) == fieldY) {
            std::copy(view.Row(y - 1), view.Row(y - 1) + width, out);
            continue;
        }
        const bool inField = fieldY >= 0 && fieldY < field.RowsReady();
        const uint32_t* row = inField ? image.RowPixels(fieldY) + offset.x : nullptr;
        const int filled = inField ? shown : 0;
        for (int x = 0; x < filled; ++x) out[x] = row[x / magnification];
        std::fill(out + filled, out + width, kNoValuePixel);
    }
}

// Pixels of a fractional scale: the one or two blocks a side of each summed into one
// mean, under the rounded mean of their shades. Blocks without a value take no part in
// either. The second block of a row is added under a mask, as ColourPixels does.
template <bool kTwoRows>
void CombineBlocks(const MapColours& colours, const KnollReducedField::Block* const* sums,
                   const uint8_t* const* shades, const int* firstBlocks, int shown, uint32_t* out) {
    using Block = KnollReducedField::Block;
    for (int x = 0; x < shown; ++x) {
        const int b = firstBlocks[x];
        const uint32_t second = 0u - uint32_t(firstBlocks[x + 1] - b - 1);
        Block total{sums[0][b].sum + (sums[0][b + 1].sum & second), sums[0][b].count + (sums[0][b + 1].count & second)};
        if (kTwoRows) {
            total.sum += sums[1][b].sum + (sums[1][b + 1].sum & second);
            total.count += sums[1][b].count + (sums[1][b + 1].count & second);
        }
        const uint32_t colour = colours.OfBlock(total);
        if (!shades[0]) {
            out[x] = colour;
            continue;
        }
        const uint32_t a = shades[0][b], c = shades[0][b + 1] & second;
        uint32_t shadeSum = a + c, shaded = (a != 0) + (c != 0);
        if (kTwoRows) {
            const uint32_t d = shades[1][b], e = shades[1][b + 1] & second;
            shadeSum += d + e;
            shaded += (d != 0) + (e != 0);
        }
        out[x] = shaded ? MapColours::Shaded(colour, uint8_t((shadeSum + shaded / 2) / shaded)) : colour;
    }
}

// The map with display choices, at any scale, from the blocks of the scale's level: a
// pixel showing one block takes that block's colour, one showing more their combination.
void DrawChosen(const HeightField& field, const KnollReducedField& reduced, const KnollViewScale& scale,
                vPoint offset, Raster& view, ViewRows rows, const MapColours& colours) {
    const int level = scale.IsReduced() ? -scale.level() : 0;
    const int block = 1 << level;
    const int columns = std::clamp(scale.ViewSpan(field.width() - offset.x), 0, view.Width());
    const int fieldRows = std::clamp(scale.ViewSpan(field.height() - offset.y), 0, view.Height());
    std::vector<int> firstBlocks(static_cast<size_t>(columns) + 1);
    for (int x = 0; x <= columns; ++x) firstBlocks[size_t(x)] = scale.ToField(x, 0) / block;
    const int span = columns > 0 ? std::max(firstBlocks[size_t(columns)], firstBlocks[size_t(columns) - 1] + 1) : 0;
    MapBlockRows blocks(field, reduced, colours, level, offset.x / block, span);
    std::vector<uint32_t> rowColours(static_cast<size_t>(span));
    int coloured = INT_MIN;
    for (int y = rows.first; y < rows.end; ++y) {
        uint32_t* out = view.Row(y);
        const int shown = y < fieldRows ? columns : 0;
        const int top = offset.y / block + scale.ToField(y, 0) / block;
        if (shown > 0 && !scale.IsFractional() && scale.Magnification() == 1) {
            blocks.Colours(top, out);
        } else if (shown > 0 && !scale.IsFractional()) {
            if (top != coloured) blocks.Colours(top, rowColours.data());
            coloured = top;
            for (int x = 0; x < shown; ++x) out[x] = rowColours[size_t(firstBlocks[size_t(x)])];
        } else if (shown > 0) {
            const int next = offset.y / block + scale.ToField(y + 1, 0) / block;
            const int blockRows = next > top + 1 ? 2 : 1;
            const KnollReducedField::Block* sums[2] = {blocks.Sums(top), nullptr};
            const uint8_t* shades[2] = {blocks.Shades(top), nullptr};
            if (blockRows == 2) {
                sums[1] = blocks.Sums(top + 1);
                shades[1] = blocks.Shades(top + 1);
            }
            (blockRows == 2 ? CombineBlocks<true> : CombineBlocks<false>)(colours, sums, shades, firstBlocks.data(),
                                                                          shown, out);
        }
        std::fill(out + shown, out + view.Width(), kNoValuePixel);
    }
}

}  // namespace

void DrawScaledView(const HeightField& field, const KnollReducedField& reduced, const KnollViewScale& scale,
                    vPoint offset, Raster& view, ViewRows rows, const MapColours& colours) {
    rows.first = std::max(rows.first, 0);
    rows.end = std::min(rows.end, view.Height());
    if (!colours.IsPlain()) {
        DrawChosen(field, reduced, scale, offset, view, rows, colours);
    } else if (scale.IsReduced()) {
        DrawReduced(field, reduced, scale, offset, view, rows, colours);
    } else {
        DrawMagnified(field, scale, offset, view, rows);
    }
}
