#include "ops/smooth.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"
#include "ops/smooth_sweep.h"

namespace {

// floor(sum / count) by one rounded division, which vectorises: exact while sum + count
// stays below 2^24 in float (2^53 in double), since the quotient then stays closer to the
// exact one than the 1 / count by which a quotient with a remainder misses the next
// integer.
template <class Real, class Signed>
class Division {
public:
    explicit Division(uint32_t count) : count_(Real(count)) {}
    uint32_t operator()(Signed sum) const { return uint32_t(int32_t(Real(sum) / count_)); }

private:
    Real count_;
};

// floor(sum / count) by a multiply, cheaper than a double division, for sums below 2^31
// and counts below 2^29: with quotients below 2^16 the product lies within 2^-36 of the
// exact quotient, so a nudge of 2^-30 lifts whole quotients past any shortfall and carries
// no other past the next integer, which it misses by at least 1 / count.
class ReciprocalDivision {
public:
    explicit ReciprocalDivision(uint32_t count) : reciprocal_(1.0 / double(count)) {}
    uint32_t operator()(int32_t sum) const { return uint32_t(int32_t(double(sum) * reciprocal_ + 0x1p-30)); }

private:
    double reciprocal_;
};

// Keeps, for every column, the sum of the samples of the window's rows as the image
// holds them now, and slides it down one row after each written row, so each position
// costs the same whatever the radius. Sum is 32 bits wide while the largest window sum
// fits a signed 32-bit integer, else 64.
template <class Sum, class Divide, bool kWide>
class SmoothPass : public SmoothSweep {
public:
    SmoothPass(SweepRows& rows, const HeightField& field, int width, int height, int area, int radius)
        : rows_(rows),
          codec_(field),
          rule_(field, area),
          width_(width),
          height_(height),
          radius_(radius),
          columnSums_(size_t(width_), 0),
          prefix_(size_t(width_) + 1, 0),
          means_(size_t(width_), 0),
          zeros_(size_t(width_), 0) {}

    void Smooth(int y) override {
        if (y == 0) Begin();
        // The window drops row y - r and takes row y + r + 1 once row y is written.
        const uint32_t* leaving = y - radius_ >= 0 ? rows_.Row(y - radius_) : zeros_.data();
        const uint32_t* entering = y + radius_ + 1 < height_ ? rows_.Row(y + radius_ + 1) : zeros_.data();
        const int targets = CountTargets<kWide>(rule_, y, width_);
        // An 8-bit row trades its old samples for the entering row's as its means are
        // taken, and its new ones come in as the sums slide, so the palette loop does
        // nothing else. A 16-bit row's colouring loop vectorises and takes the change.
        if (targets > 0) {
            ComputeMeans(y, rows_.Row(y), entering);
            if (targets == width_) {
                WriteRow<true>(y);
            } else {
                WriteRow<false>(y);
            }
        }
        if (targets > 0 && !kWide) {
            Slide(leaving, rows_.Row(y));
        } else {
            Slide(leaving, entering);
        }
    }

private:
    void Begin() {
        for (int y = 0; y <= std::min(radius_, height_ - 1); ++y) AddRow(y);
        Slide(zeros_.data(), zeros_.data());
    }

    using Signed = std::make_signed_t<Sum>;

    static uint32_t Sample(uint32_t pixel) { return PixelSample<kWide>(pixel); }

    void AddRow(int y) {
        const uint32_t* pixels = rows_.Row(y);
        Sum* sums = columnSums_.data();
        const int width = width_;
        for (int x = 0; x < width; ++x) sums[x] += Sample(pixels[x]);
    }

    // Moves the column sums and rebuilds their prefix sums in the same pass.
    void Slide(const uint32_t* leaving, const uint32_t* entering) {
        Sum* sums = columnSums_.data();
        Sum* prefix = prefix_.data();
        const int width = width_;
        Sum running = 0;
        int x = 0;
#ifdef __SSE2__
        if constexpr (sizeof(Sum) == 4) x = SlideFours(leaving, entering, running);
#endif
        for (; x < width; ++x) {
            const Sum sum = sums[x] + Sample(entering[x]) - Sample(leaving[x]);
            sums[x] = sum;
            running += sum;
            prefix[x + 1] = running;
        }
    }

#ifdef __SSE2__
    // PixelSample of four pixels.
    static __m128i Samples(const uint32_t* pixels) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
        return kWide ? _mm_and_si128(four, _mm_set1_epi32(0xFFFF))
                     : _mm_and_si128(_mm_srli_epi32(four, 16), _mm_set1_epi32(0xFF));
    }

    // Slide four columns at a time: the running sum is the only chain between groups, so
    // the scan within a group is two shifted adds. Returns the first column left over.
    int SlideFours(const uint32_t* leaving, const uint32_t* entering, Sum& running) {
        auto* sums = reinterpret_cast<__m128i*>(columnSums_.data());
        uint32_t* prefix = prefix_.data() + 1;
        __m128i carry = _mm_setzero_si128();
        int x = 0;
        for (; x + 4 <= width_; x += 4) {
            __m128i sum = _mm_loadu_si128(sums);
            sum = _mm_sub_epi32(_mm_add_epi32(sum, Samples(entering + x)), Samples(leaving + x));
            _mm_storeu_si128(sums++, sum);
            sum = _mm_add_epi32(sum, _mm_slli_si128(sum, 4));
            sum = _mm_add_epi32(sum, _mm_slli_si128(sum, 8));
            sum = _mm_add_epi32(sum, carry);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(prefix + x), sum);
            carry = _mm_shuffle_epi32(sum, _MM_SHUFFLE(3, 3, 3, 3));
        }
        running = Sum(_mm_cvtsi128_si32(carry));
        return x;
    }
#endif

    // Window means of row y from the prefix sums, built before the row changes. The
    // interior, where the window is whole across, shares one divisor and vectorises. An
    // 8-bit row's old samples give way to the entering row's in the column sums here.
    void ComputeMeans(int y, const uint32_t* old, const uint32_t* entering) {
        const uint32_t rows = uint32_t(std::min(y + radius_, height_ - 1) - std::max(y - radius_, 0) + 1);
        const Sum* prefix = prefix_.data();
        uint32_t* means = means_.data();
        Sum* sums = columnSums_.data();
        const int r = radius_;
        const int width = width_;
        const int interiorBegin = std::min(r, width);
        const int interiorEnd = std::max(width - r, interiorBegin);
        for (int x = 0; x < interiorBegin; ++x) Edge(x, 0, std::min(x + r, width - 1), rows, old, entering);
        const Divide divide(rows * uint32_t(2 * r + 1));
        for (int x = interiorBegin; x < interiorEnd; ++x) {
            means[x] = divide(Signed(prefix[x + r + 1] - prefix[x - r]));
            if (!kWide) sums[x] += Sum(Sample(entering[x])) - Sum(Sample(old[x]));
        }
        for (int x = interiorEnd; x < width; ++x) Edge(x, std::max(x - r, 0), width - 1, rows, old, entering);
    }

    void Edge(int x, int left, int right, uint32_t rows, const uint32_t* old, const uint32_t* entering) {
        if (!kWide) columnSums_[size_t(x)] += Sum(Sample(entering[x])) - Sum(Sample(old[x]));
        const Divide divide(rows * uint32_t(right - left + 1));
        means_[size_t(x)] = divide(Signed(prefix_[size_t(right) + 1] - prefix_[size_t(left)]));
    }

    // Row y takes its new colours in place; a 16-bit row's change reaches the column sums here.
    template <bool kWhole>
    void WriteRow(int y) {
        uint32_t* pixels = rows_.RowToWrite(y);
        const uint32_t* mask = kWhole ? nullptr : rule_.MaskRow(y);
        const uint32_t* means = means_.data();
        Sum* sums = columnSums_.data();
        const int width = width_;
        for (int x = 0; x < width; ++x) {
            if (kWhole || rule_.IsTarget(mask[x], kWide)) {
                if (kWide) {
                    sums[x] += Sum(means[x]) - Sum(Sample(pixels[x]));
                    pixels[x] = means[x];
                } else {
                    pixels[x] = codec_.PaletteEntry(int(means[x]));
                }
            }
        }
    }

    SweepRows& rows_;
    const PixelCodec codec_;
    const AreaRule rule_;
    const int width_;
    const int height_;
    const int radius_;
    std::vector<Sum> columnSums_;  // wraps freely: only differences are read
    std::vector<Sum> prefix_;
    std::vector<uint32_t> means_;
    const std::vector<uint32_t> zeros_;  // stands for the rows beyond the field
};

// The largest window, clipped to the rows, and its sum decide the widths.
template <bool kWide>
std::unique_ptr<SmoothSweep> MakeSweepOfKind(SweepRows& rows, const HeightField& field, int width, int height,
                                             int area, int radius) {
    const uint64_t side = uint64_t(2 * int64_t(radius) + 1);
    const uint64_t divisor = std::min<uint64_t>(side, uint64_t(width)) * std::min<uint64_t>(side, uint64_t(height));
    const uint64_t largest = divisor * (kWide ? 0xFFFF : 0xFF);
    if (largest + divisor < (uint64_t(1) << 24)) {
        return std::make_unique<SmoothPass<uint32_t, Division<float, int32_t>, kWide>>(rows, field, width, height,
                                                                                         area, radius);
    }
    if (largest <= uint64_t(INT32_MAX)) {
        return std::make_unique<SmoothPass<uint32_t, ReciprocalDivision, kWide>>(rows, field, width, height, area,
                                                                                   radius);
    }
    // Even the largest field keeps its sums far below 2^53.
    return std::make_unique<SmoothPass<uint64_t, Division<double, int64_t>, kWide>>(rows, field, width, height, area,
                                                                                     radius);
}

// A window wider than the rows takes the same samples as one just as wide.
int ClampedRadius(int radius, int width, int height) { return std::clamp(radius, 0, std::max(width, height)); }

// The working image, smoothed in place.
class ImageRows : public SweepRows {
public:
    explicit ImageRows(HeightField& field) : field_(field) {}
    const uint32_t* Row(int y) override { return std::as_const(field_).working().RowPixels(y); }
    // Only the rows written are heard of, so a history keeps no more than those.
    uint32_t* RowToWrite(int y) override { return field_.WritableRow(y); }

private:
    HeightField& field_;
};

// The rows read from another source, each copied once into a ring that holds the
// window's rows and the one entering it, where they are smoothed as the image's would be.
class RowRing : public SweepRows {
public:
    RowRing(FieldRows& from, int slots)
        : from_(from), slots_(slots), width_(size_t(from.width)), ring_(size_t(slots) * width_) {}

    const uint32_t* Row(int y) override { return RowToWrite(y); }
    // A row the sweep leaves alone is read all the same.
    uint32_t* RowToWrite(int y) override {
        for (; read_ <= y; ++read_) std::copy_n(from_.Row(read_), width_, Slot(read_));
        return Slot(y);
    }

private:
    uint32_t* Slot(int y) { return ring_.data() + size_t(y % slots_) * width_; }

    FieldRows& from_;
    const int slots_;
    const size_t width_;
    std::vector<uint32_t> ring_;
    int read_ = 0;
};

// Rows handed on, smoothed as they pass: only the window's rows are held.
class SmoothedRowsOf : public FieldRows {
public:
    SmoothedRowsOf(FieldRows& from, int area, int radius)
        : FieldRows(from.field, from.width, from.height),
          from_(from),
          ring_(from, int(std::min<int64_t>(2 * int64_t(radius) + 2, from.height))),
          sweep_(MakeSmoothSweep(ring_, from.field, width, height, area, radius)) {}

    const uint32_t* Row(int y) override {
        sweep_->Smooth(y);
        return ring_.RowToWrite(y);
    }
    std::string Failure() const override { return from_.Failure(); }

private:
    FieldRows& from_;
    RowRing ring_;
    std::unique_ptr<SmoothSweep> sweep_;
};

}  // namespace

std::unique_ptr<SmoothSweep> MakeSmoothSweep(SweepRows& rows, const HeightField& field, int width, int height,
                                             int area, int radius) {
    radius = ClampedRadius(radius, width, height);
    if (radius == 1) return MakeRadiusOneSweep(rows, field, width, height, area);
    if (field.kind() == kSixteenBitField) return MakeSweepOfKind<true>(rows, field, width, height, area, radius);
    return MakeSweepOfKind<false>(rows, field, width, height, area, radius);
}

void Smooth(HeightField& field, int area, int radius) {
    ImageRows rows(field);
    std::unique_ptr<SmoothSweep> sweep = MakeSmoothSweep(rows, field, field.width(), field.height(), area, radius);
    for (int y = 0; y < field.height(); ++y) {
        sweep->Smooth(y);
        field.painter().DrawRow(y);
    }
    if (field.kind() == kEightBitField) field.painter().RefreshView();
}

std::unique_ptr<FieldRows> SmoothedRows(FieldRows& from, int area, int radius) {
    return std::make_unique<SmoothedRowsOf>(from, area, ClampedRadius(radius, from.width, from.height));
}
