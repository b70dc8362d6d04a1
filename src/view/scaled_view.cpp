#include "view/scaled_view.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// mean = (sum + count / 2) / count without a division per pixel: a sum of at most 2^24
// (256 positions of 65535) times these reciprocals stays exact in 64 bits.
constexpr int kReciprocalShift = 40;

struct Reciprocals {
    std::array<uint64_t, 257> of{};
    Reciprocals() {
        for (uint64_t count = 1; count < of.size(); ++count) {
            of[count] = ((uint64_t(1) << kReciprocalShift) + count - 1) / count;
        }
    }
};

const Reciprocals& TheReciprocals() {
    static const Reciprocals reciprocals;
    return reciprocals;
}

// The colour that shows each value: the palette for an 8-bit field, the value's own
// encoding for a 16-bit one.
class ValueColours {
public:
    explicit ValueColours(const HeightField& field) : wide_(field.kind() == kSixteenBitField) {
        for (int i = 0; i < 256; ++i) palette_[size_t(i)] = field.palette()[i].Pixel();
    }
    uint32_t Of(uint32_t value) const { return wide_ ? value : palette_[value & 0xFF]; }

private:
    bool wide_;
    std::array<uint32_t, 256> palette_{};
};

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
void ColourPixels(const ValueColours& colours, const std::vector<KnollReducedField::Block>& sums,
                  const int* firstBlocks, int shown, uint32_t* out) {
    using Block = KnollReducedField::Block;
    const auto& reciprocal = TheReciprocals().of;
    auto colour = [&](const Block& b) {
        const uint32_t mean = uint32_t((uint64_t(b.sum + b.count / 2) * reciprocal[b.count]) >> kReciprocalShift);
        return b.count ? colours.Of(mean) : kNoValuePixel;
    };
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
                 vPoint offset, Raster& view, ViewRows rows) {
    using Block = KnollReducedField::Block;
    const int level = -scale.level();
    const int block = scale.BlockSize();
    const ValueColours colours(field);
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

}  // namespace

void DrawScaledView(const HeightField& field, const KnollReducedField& reduced, const KnollViewScale& scale,
                    vPoint offset, Raster& view, ViewRows rows) {
    rows.first = std::max(rows.first, 0);
    rows.end = std::min(rows.end, view.Height());
    if (scale.IsReduced()) {
        DrawReduced(field, reduced, scale, offset, view, rows);
    } else {
        DrawMagnified(field, scale, offset, view, rows);
    }
}
