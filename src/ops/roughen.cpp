#include "ops/roughen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <immintrin.h>
#include <memory>
#include <vector>

#include "ops/pixel_codec.h"
#include "ops/random_generator.h"
#include "ops/row_traversal.h"

namespace {

constexpr int kDraws = RandomGenerator::kLargest + 1;

// The Middle factor f = 2r / 32766 is formed in extended precision and then rounded to
// single precision, so f = fraction / 2^shift exactly with a 24-bit integer fraction.
// Both are packed in one word (fraction low, shift above) to keep the table small.
using MiddleFactor = uint32_t;

const std::array<MiddleFactor, kDraws>& MiddleFactors() {
    static const std::array<MiddleFactor, kDraws> factors = [] {
        std::array<MiddleFactor, kDraws> table{};
        for (int r = 0; r < kDraws; ++r) {
            float f = static_cast<float>(static_cast<long double>(r * 2) * (1.0L / 32766.0L));
            int exponent = 0;
            float mantissa = std::frexp(f, &exponent);  // f = mantissa * 2^exponent
            uint32_t fraction = uint32_t(std::ldexp(mantissa, 24));
            table[size_t(r)] = fraction | uint32_t(24 - exponent) << 24;
        }
        return table;
    }();
    return factors;
}

// value * f - value, of which the result keeps trunc(z + value * f - value). Where that
// sum is negative, truncating it and flooring it both clamp to 0, so the floor will do.
int64_t MiddleStep(int32_t value, MiddleFactor factor) {
    const int shift = int(factor >> 24);
    int64_t product = int64_t(value) * int64_t(factor & 0xFFFFFF);
    return (product >> shift) - value;
}

// floor(r * multiplier / 32767) with the product taken as an unsigned 32-bit number.
int64_t ScaledDraw(int r, uint32_t multiplier) {
    return int64_t((uint32_t(r) * multiplier) / 32767u);
}

// What each draw adds to a value. Values run from -1 (no value) to top and every sum is
// clamped to 0..top, so steps beyond -(top + 2) and top + 1 are cut to them: the result
// is the same and the sums stay in 32 bits.
class DrawSteps {
public:
    template <class Step>
    DrawSteps(int top, Step&& step) : steps_(size_t(kDraws)) {
        for (int r = 0; r < kDraws; ++r) {
            steps_[size_t(r)] = int32_t(std::clamp<int64_t>(step(r), -(top + 2), top + 1));
        }
    }

    int32_t operator[](int r) const { return steps_[size_t(r)]; }
    const int32_t* data() const { return steps_.data(); }

private:
    std::vector<int32_t> steps_;
};

#if defined(__x86_64__) && defined(__GNUC__)
// The 16-bit rule on eight positions at once, the steps gathered by draw. Returns how
// many positions from the left it did: whole groups of eight.
__attribute__((target("avx2"))) int RoughenWideGathered(uint32_t* pixels, const uint32_t* draws, int width,
                                                        const int32_t* steps) {
    const __m256i low = _mm256_set1_epi32(0xFFFF);
    const __m256i noValue = _mm256_set1_epi32(int(kNoValuePixel));
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        __m256i pixel = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + x));
        __m256i r = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(draws + x));
        // PixelValue: -1 (all ones) where there is no value
        __m256i z = _mm256_or_si256(_mm256_and_si256(pixel, low), _mm256_cmpeq_epi32(pixel, noValue));
        __m256i sum = _mm256_add_epi32(z, _mm256_i32gather_epi32(steps, r, 4));
        sum = _mm256_min_epi32(_mm256_max_epi32(sum, _mm256_setzero_si256()), low);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels + x), sum);
    }
    return x;
}

int RoughenWideFast(uint32_t* pixels, const uint32_t* draws, int width, const int32_t* steps) {
    static const bool gathers = __builtin_cpu_supports("avx2");
    return gathers ? RoughenWideGathered(pixels, draws, width, steps) : 0;
}
#else
int RoughenWideFast(uint32_t*, const uint32_t*, int, const int32_t*) { return 0; }
#endif

// The new colour of a position from its colour and its draw. An 8-bit sum takes its
// colour from a table of every sum a step can reach, which also does the clamp.
class Roughener {
public:
    Roughener(const PixelCodec& codec, DrawSteps steps) : steps_(std::move(steps)) {
        for (int i = 0; i < int(colours_.size()); ++i) {
            colours_[size_t(i)] = codec.PaletteEntry(std::clamp(i - kSumOffset, 0, 0xFF));
        }
    }

    template <bool kWide>
    uint32_t Apply(uint32_t pixel, int r) const {
        int32_t sum = PixelValue<kWide>(pixel) + steps_[r];
        if (kWide) return uint32_t(std::clamp(sum, 0, 0xFFFF));
        return colours_[size_t(sum + kSumOffset)];
    }

    // Every position of a row, each with its own draw.
    template <bool kWide>
    void ApplyRow(uint32_t* pixels, const uint32_t* draws, int width) const {
        int x = kWide ? RoughenWideFast(pixels, draws, width, steps_.data()) : 0;
        for (; x < width; ++x) pixels[x] = Apply<kWide>(pixels[x], draws[x]);
    }

private:
    // Sums run from -1 - (0xFF + 2) to 0xFF + (0xFF + 1); the table starts at the lowest.
    static constexpr int kSumOffset = 1 + 0xFF + 2;

    DrawSteps steps_;
    std::array<uint32_t, kSumOffset + 0xFF + 0xFF + 1 + 1> colours_{};
};

template <bool kWide>
void RoughenTargets(uint32_t* pixels, const uint32_t* mask, int width, const AreaRule& rule,
                    const Roughener& roughener, const uint32_t* draws) {
    for (int x = 0; x < width; ++x) {
        if (rule.IsTarget(mask[x], kWide)) pixels[x] = roughener.Apply<kWide>(pixels[x], *draws++);
    }
}

// Rows from the top, one round of stride numbers per target in order, the last number
// used. A row's numbers are drawn first, then handed to its targets: to every position
// of a row taken whole, along the mask in another.
template <bool kWide>
RowEdit RoughEdit(const FieldRows& rows, int area, int stride, std::shared_ptr<const Roughener> roughener,
                  RandomGenerator random) {
    return [rule = AreaRule(rows.field, area), width = rows.width, stride, roughener, random,
            draws = std::vector<uint32_t>(size_t(rows.width))](int y, uint32_t* pixels) mutable {
        const int targets = CountTargets<kWide>(rule, y, width);
        if (targets > 0) random.DrawRounds(targets, stride, draws.data());
        if (targets == width) {
            roughener->ApplyRow<kWide>(pixels, draws.data(), width);
        } else if (targets > 0) {
            RoughenTargets<kWide>(pixels, rule.MaskRow(y), width, rule, *roughener, draws.data());
        }
    };
}

// Every roughen starts its own generator from the seed and drops one more number, so
// no state outlives a run and the same seed repeats the same field.
RowEdit Edit(const FieldRows& rows, int area, int stride, DrawSteps steps, uint32_t seed) {
    RandomGenerator random;
    random.Seed(seed);
    random.Next();
    const PixelCodec codec(rows.field);
    auto roughener = std::make_shared<const Roughener>(codec, std::move(steps));
    if (codec.wide()) return RoughEdit<true>(rows, area, stride, std::move(roughener), random);
    return RoughEdit<false>(rows, area, stride, std::move(roughener), random);
}

}  // namespace

// Every position draws once; Up and Down draw again and use only the second number.
RowEdit RoughenEdit(const FieldRows& rows, RoughMode mode, int32_t value, uint32_t seed) {
    const int top = rows.field.MaxValue();
    const uint32_t span = uint32_t(value) + 1u;
    const auto& factors = MiddleFactors();
    DrawSteps steps(top, [&](int r) -> int64_t {
        if (mode == RoughMode::Up) return ScaledDraw(r, span);
        if (mode == RoughMode::Middle) return MiddleStep(value, factors[size_t(r)]);
        return -ScaledDraw(r, span);
    });
    const int stride = mode == RoughMode::Middle ? 1 : 2;
    return Edit(rows, kAreaWhole, stride, std::move(steps), seed);
}

RowEdit RoughenAreaEdit(const FieldRows& rows, int area, RoughMode mode, int32_t value, uint32_t seed) {
    DrawSteps steps(rows.field.MaxValue(), [&](int r) -> int64_t {
        if (mode == RoughMode::Up) return ScaledDraw(r, uint32_t(value));
        // 0, 1 or 2: lowered by value, kept, or raised only for r = 32767.
        if (mode == RoughMode::Middle) return int64_t(2 * r / 32767) * value - value;
        return -ScaledDraw(r, uint32_t(value));
    });
    return Edit(rows, area, 1, std::move(steps), seed);
}

void Roughen(HeightField& field, RoughMode mode, int32_t value, uint32_t seed) {
    // An 8-bit field refreshes the whole view after each row instead of drawing it.
    const RowShow show = field.kind() == kSixteenBitField ? RowShow::kDrawRow : RowShow::kRefreshView;
    EditRows(field, show, kAreaWhole, RoughenEdit(WorkingRows(field), mode, value, seed));
}

void RoughenArea(HeightField& field, int area, RoughMode mode, int32_t value, uint32_t seed) {
    EditRows(field, RowShow::kDrawRow, area, RoughenAreaEdit(WorkingRows(field), area, mode, value, seed));
    if (field.kind() == kSixteenBitField) field.painter().RefreshView();
}
