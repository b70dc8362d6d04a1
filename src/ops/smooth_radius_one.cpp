#include "ops/smooth_radius_one.h"

#include <array>
#include <cstdint>
#include <vector>

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"

namespace {

// floor(n / d) as (n * Reciprocal(d)) >> 32. With m = ceil(2^32 / d) the product
// overshoots n / d by less than n / 2^32, which stays below 1 / d for window sums of up to
// nine 16-bit samples.
uint64_t Reciprocal(uint32_t d) { return ((uint64_t(1) << 32) + d - 1) / d; }
uint32_t Divide(uint32_t n, uint64_t reciprocal) { return uint32_t((uint64_t(n) * reciprocal) >> 32); }

// Each window is at most 3 x 3, so a row's column sums are read straight from the image
// (the row above already smoothed, this row and the one below as they were) before the
// row is rewritten in place.
template <bool kWide>
class RadiusOnePass {
public:
    RadiusOnePass(HeightField& field, int area)
        : field_(field), codec_(field.kind()), rule_(field, area), width_(field.width()), height_(field.height()), sums_(size_t(width_)) {}

    void Run() {
        for (int y = 0; y < height_; ++y) {
            const int targets = CountTargets<kWide>(rule_, y, width_);
            if (targets == width_) {
                WriteRow<true>(y, SumColumns(y));
            } else if (targets > 0) {
                WriteRow<false>(y, SumColumns(y));
            }
            field_.painter().DrawRow(y);
        }
        if (!kWide) field_.painter().RefreshView();
    }

private:
    static uint32_t Sample(uint32_t pixel) { return kWide ? pixel & 0xFFFF : (pixel >> 16) & 0xFF; }

    // Column sums of row y's window; returns its number of rows.
    uint32_t SumColumns(int y) {
        const TarnMemoryDC& image = field_.working();
        const uint32_t* here = image.RowPixels(y);
        const uint32_t* above = y > 0 ? image.RowPixels(y - 1) : nullptr;
        const uint32_t* below = y + 1 < height_ ? image.RowPixels(y + 1) : nullptr;
        uint32_t* sums = sums_.data();
        const int width = width_;
        if (above && below) {
            for (int x = 0; x < width; ++x) sums[x] = Sample(above[x]) + Sample(here[x]) + Sample(below[x]);
            return 3;
        }
        const uint32_t* other = above ? above : below;
        if (!other) {
            for (int x = 0; x < width; ++x) sums[x] = Sample(here[x]);
            return 1;
        }
        for (int x = 0; x < width; ++x) sums[x] = Sample(other[x]) + Sample(here[x]);
        return 2;
    }

    template <bool kWhole>
    void WriteRow(int y, uint32_t rows) {
        uint32_t* pixels = field_.working().MutableRowPixels(y);
        const uint32_t* mask = kWhole ? nullptr : rule_.MaskRow(y);
        const uint32_t* sums = sums_.data();
        const int last = width_ - 1;
        if (last == 0) {
            Put<kWhole>(pixels, mask, 0, sums[0], rows);
            return;
        }
        Put<kWhole>(pixels, mask, 0, sums[0] + sums[1], 2 * rows);
        const uint64_t reciprocal = Reciprocal(3 * rows);
        for (int x = 1; x < last; ++x) {
            const uint32_t mean = Divide(sums[x - 1] + sums[x] + sums[x + 1], reciprocal);
            if (kWhole || rule_.IsTarget(mask[x], kWide)) pixels[x] = Colour(mean);
        }
        Put<kWhole>(pixels, mask, last, sums[last - 1] + sums[last], 2 * rows);
    }

    template <bool kWhole>
    void Put(uint32_t* pixels, const uint32_t* mask, int x, uint32_t sum, uint32_t count) {
        if (kWhole || rule_.IsTarget(mask[x], kWide)) pixels[x] = Colour(Divide(sum, Reciprocal(count)));
    }

    uint32_t Colour(uint32_t mean) const { return kWide ? mean : codec_.PaletteEntry(int(mean)); }

    HeightField& field_;
    const PixelCodec codec_;
    const AreaRule rule_;
    const int width_;
    const int height_;
    std::vector<uint32_t> sums_;
};

}  // namespace

void SmoothRadiusOne(HeightField& field, int area) {
    if (field.kind() == kSixteenBitField) {
        RadiusOnePass<true>(field, area).Run();
    } else {
        RadiusOnePass<false>(field, area).Run();
    }
}
