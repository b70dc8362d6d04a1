#include "ops/roughen.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ops/pixel_codec.h"
#include "ops/random_generator.h"
#include "ops/row_traversal.h"

namespace {

// The Middle factor f = 2r / 32766 is formed in extended precision and then rounded to
// single precision, so f = fraction / 2^shift exactly with a 24-bit integer fraction.
// Both are packed in one word (fraction low, shift above) to keep the table small.
using MiddleFactor = uint32_t;

const std::array<MiddleFactor, 32768>& MiddleFactors() {
    static const std::array<MiddleFactor, 32768> factors = [] {
        std::array<MiddleFactor, 32768> table{};
        for (int r = 0; r < 32768; ++r) {
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

// trunc(value * f + z - value) without rounding: value * f = product / 2^shift.
int64_t MiddleResult(int64_t z, int32_t value, MiddleFactor factor) {
    const int shift = int(factor >> 24);
    int64_t product = int64_t(value) * int64_t(factor & 0xFFFFFF);
    int64_t whole = product >> shift;
    bool fractional = (product - (whole << shift)) != 0;
    int64_t result = z - value + whole;
    // Truncation toward zero rounds a negative sum with a fraction up.
    return result < 0 && fractional ? result + 1 : result;
}

// floor(r * multiplier / 32767) with the product taken as an unsigned 32-bit number.
int64_t ScaledDraw(int r, uint32_t multiplier) {
    return int64_t((uint32_t(r) * multiplier) / 32767u);
}

int64_t Clamp(int64_t z, int64_t top) {
    if (z > top) z = top;
    if (z < 0) z = 0;
    return z;
}

// Seeds the program's generator and drops one more number. The run draws from a local
// copy, which the compiler keeps in a register, and hands the state back at its end.
RandomGenerator StartRun(uint32_t seed) {
    TheRandomGenerator().Seed(seed);
    TheRandomGenerator().Next();
    return TheRandomGenerator();
}

}  // namespace

void Roughen(HeightField& field, int mode, int32_t value, uint32_t seed) {
    RandomGenerator random = StartRun(seed);
    const PixelCodec codec(field.kind());
    const auto& factors = MiddleFactors();
    const uint32_t span = uint32_t(value) + 1u;
    // An 8-bit field refreshes the whole view after each row instead of drawing it.
    const RowShow show = codec.wide() ? RowShow::kDrawRow : RowShow::kRefreshView;
    TransformRows(field, kAreaWhole, show, [&](uint32_t pixel) {
        int64_t z = codec.Value(pixel);
        int r0 = random.Next();
        if (mode == kRoughUp) {
            z += ScaledDraw(random.Next(), span);
        } else if (mode == kRoughMiddle) {
            z = MiddleResult(z, value, factors[size_t(r0)]);
        } else if (mode == kRoughDown) {
            z -= ScaledDraw(random.Next(), span);
        }
        return codec.Store(Clamp(z, codec.max()));
    });
    TheRandomGenerator() = random;
}

void RoughenArea(HeightField& field, int area, int mode, int32_t value, uint32_t seed) {
    RandomGenerator random = StartRun(seed);
    const PixelCodec codec(field.kind());
    TransformRows(field, area, RowShow::kDrawRow, [&](uint32_t pixel) {
        int64_t z = codec.Value(pixel);
        int r = random.Next();
        if (mode == kRoughUp) {
            z += ScaledDraw(r, uint32_t(value));
        } else if (mode == kRoughMiddle) {
            // 0, 1 or 2: lowered by value, kept, or raised only for r = 32767.
            int64_t q = 2 * r / 32767;
            z += q * value - value;
        } else if (mode == kRoughDown) {
            z -= ScaledDraw(r, uint32_t(value));
        }
        return codec.Store(Clamp(z, codec.max()));
    });
    TheRandomGenerator() = random;
    if (codec.wide()) field.painter().RefreshView();
}
