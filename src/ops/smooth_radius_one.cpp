#include "ops/smooth_sweep.h"

#include <cstdint>
#include <vector>

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"

namespace {

// floor(sum / count) in single precision, which the compiler can do four at a time.
// Sums of up to nine 16-bit samples are exact as floats and the quotient, rounded once,
// stays within 2^-8 of the exact one: never past the next integer, which a quotient with
// a remainder misses by at least 1/9.
inline uint32_t Mean(uint32_t sum, float count) { return uint32_t(int32_t(float(int32_t(sum)) / count)); }

// Each window is at most 3 x 3, so a row's column sums are read straight from the rows
// (the row above already smoothed, this row and the one below as they were) before the
// row is rewritten in place.
template <bool kWide>
class RadiusOnePass : public SmoothSweep {
public:
    RadiusOnePass(SweepRows& rows, const HeightField& field, int width, int height, int area)
        : rows_(rows),
          codec_(field),
          rule_(field, area),
          width_(width),
          height_(height),
          sums_(size_t(width_)),
          means_(size_t(width_)) {}

    void Smooth(int y) override {
        const int targets = CountTargets<kWide>(rule_, y, width_);
        if (targets == width_) {
            WriteRow<true>(y, SumColumns(y));
        } else if (targets > 0) {
            WriteRow<false>(y, SumColumns(y));
        }
    }

private:
    static uint32_t Sample(uint32_t pixel) { return PixelSample<kWide>(pixel); }

    // Column sums of row y's window; returns its number of rows.
    uint32_t SumColumns(int y) {
        const uint32_t* here = rows_.Row(y);
        const uint32_t* above = y > 0 ? rows_.Row(y - 1) : nullptr;
        const uint32_t* below = y + 1 < height_ ? rows_.Row(y + 1) : nullptr;
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
        uint32_t* pixels = rows_.RowToWrite(y);
        const uint32_t* mask = kWhole ? nullptr : rule_.MaskRow(y);
        const uint32_t* sums = sums_.data();
        const int last = width_ - 1;
        if (last == 0) {
            Put<kWhole>(pixels, mask, 0, sums[0], rows);
            return;
        }
        Put<kWhole>(pixels, mask, 0, sums[0] + sums[1], 2 * rows);
        // The interior's means first, in a loop without lookups or tests.
        const float count = float(3 * rows);
        uint32_t* means = means_.data();
        for (int x = 1; x < last; ++x) means[x] = Mean(sums[x - 1] + sums[x] + sums[x + 1], count);
        for (int x = 1; x < last; ++x) {
            if (kWhole || rule_.IsTarget(mask[x], kWide)) pixels[x] = Colour(means[x]);
        }
        Put<kWhole>(pixels, mask, last, sums[last - 1] + sums[last], 2 * rows);
    }

    template <bool kWhole>
    void Put(uint32_t* pixels, const uint32_t* mask, int x, uint32_t sum, uint32_t count) {
        if (kWhole || rule_.IsTarget(mask[x], kWide)) pixels[x] = Colour(Mean(sum, float(count)));
    }

    uint32_t Colour(uint32_t mean) const { return kWide ? mean : codec_.PaletteEntry(int(mean)); }

    SweepRows& rows_;
    const PixelCodec codec_;
    const AreaRule rule_;
    const int width_;
    const int height_;
    std::vector<uint32_t> sums_;
    std::vector<uint32_t> means_;
};

}  // namespace

std::unique_ptr<SmoothSweep> MakeRadiusOneSweep(SweepRows& rows, const HeightField& field, int width, int height,
                                                int area) {
    if (field.kind() == kSixteenBitField) return std::make_unique<RadiusOnePass<true>>(rows, field, width, height, area);
    return std::make_unique<RadiusOnePass<false>>(rows, field, width, height, area);
}
