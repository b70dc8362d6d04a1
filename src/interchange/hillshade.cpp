#include "interchange/hillshade.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kNoValue = -1;

using ShadeFactors = ReliefShader::Factors;

// The light folded into the factors of the shade formula, scaled to the 254 grey steps
// above the darkest shade.
ShadeFactors FactorsOf(const ShadeLight& light) {
    constexpr double kRadians = std::numbers::pi / 180;
    auto usable = [](double value, double low, double high) {
        return std::isfinite(value) ? std::clamp(value, low, high) : low;
    };
    const double azimuth = usable(light.azimuth, 0, 360) * kRadians;
    const double altitude = usable(light.altitude, 0, 90) * kRadians;
    const double scale = usable(light.zFactor, 0, kMaxZFactor) / 8;
    return {float(254 * std::sin(altitude)), float(254 * std::sin(azimuth) * std::cos(altitude) * scale),
            float(254 * std::cos(azimuth) * std::cos(altitude) * scale), float(scale * scale)};
}

// Row y's values as floats with one repeated value at each end; returns how many
// positions have no value (they hold kNoValue).
int DecodeRow(const HeightField& field, int y, float* values) {
    const int width = field.width();
    const uint32_t* pixels = field.working().RowPixels(y);
    const bool wide = field.kind() == kSixteenBitField;
    int missing = 0;
    for (int x = 0; x < width; ++x) {
        const bool absent = pixels[x] == kNoValuePixel;
        missing += absent;
        values[x + 1] = absent ? kNoValue : float(PixelSample(pixels[x], wide));
    }
    values[0] = values[1];
    values[width + 1] = values[width];
    return missing;
}

inline uint8_t Shade(const ShadeFactors& f, float sumLeft, float sumRight, float sumTop, float sumBottom) {
    const float x = sumLeft - sumRight;
    const float y = sumTop - sumBottom;
    const float lit = (f.flat - y * f.alongY + x * f.alongX) / std::sqrt(1 + f.slopeSquare * (x * x + y * y));
    // Facing away gives the darkest shade, 1; the rest round to the nearest step.
    return uint8_t(int(std::min(1.5f + std::max(lit, 0.0f), 255.0f)));
}

// Rows with every neighbour valued: straight arithmetic, which vectorises, eight
// positions at a time where the processor allows.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void ShadeFullRow(const ShadeFactors& f, const float* up, const float* mid, const float* down, int width,
                  uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        const float left = up[x] + 2 * mid[x] + down[x];
        const float right = up[x + 2] + 2 * mid[x + 2] + down[x + 2];
        const float top = up[x] + 2 * up[x + 1] + up[x + 2];
        const float bottom = down[x] + 2 * down[x + 1] + down[x + 2];
        out[x] = Shade(f, left, right, top, bottom);
    }
}

// Rows that touch positions without a value: those neighbours take the centre's value.
void ShadeGappedRow(const ShadeFactors& f, const float* up, const float* mid, const float* down, int width,
                    uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        const float centre = mid[x + 1];
        if (centre == kNoValue) {
            out[x] = 0;
            continue;
        }
        auto at = [centre](const float* row, int i) { return row[i] == kNoValue ? centre : row[i]; };
        const float left = at(up, x) + 2 * at(mid, x) + at(down, x);
        const float right = at(up, x + 2) + 2 * at(mid, x + 2) + at(down, x + 2);
        const float top = at(up, x) + 2 * at(up, x + 1) + at(up, x + 2);
        const float bottom = at(down, x) + 2 * at(down, x + 1) + at(down, x + 2);
        out[x] = Shade(f, left, right, top, bottom);
    }
}

}  // namespace

bool IsUsableLight(const ShadeLight& light) {
    auto within = [](double value, double low, double high) {
        return std::isfinite(value) && value >= low && value <= high;
    };
    return within(light.azimuth, 0, 360) && within(light.altitude, 0, 90) && within(light.zFactor, 0, kMaxZFactor) &&
           light.zFactor > 0;
}

ReliefShader::ReliefShader(const HeightField& field, const ShadeLight& light)
    : field_(field), factors_(FactorsOf(light)) {
    for (std::vector<float>& row : rows_) row.resize(size_t(field.width()) + 2);
    DecodeInto(1, 0);
    DecodeInto(0, 0);
    DecodeInto(2, std::min(1, field.height() - 1));
}

void ReliefShader::DecodeInto(int slot, int y) { missing_[slot] = DecodeRow(field_, y, rows_[slot].data()); }

void ReliefShader::ShadeNextRow(uint8_t* shades) {
    const bool gapped = missing_[0] + missing_[1] + missing_[2] > 0;
    (gapped ? ShadeGappedRow : ShadeFullRow)(factors_, rows_[0].data(), rows_[1].data(), rows_[2].data(),
                                             field_.width(), shades);
    // The row below becomes the middle one; the top one's storage takes the next below.
    std::swap(rows_[0], rows_[1]);
    std::swap(rows_[1], rows_[2]);
    std::swap(missing_[0], missing_[1]);
    std::swap(missing_[1], missing_[2]);
    ++nextRow_;
    DecodeInto(2, std::min(nextRow_ + 1, field_.height() - 1));
}
