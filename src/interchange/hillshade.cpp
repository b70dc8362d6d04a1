#include "interchange/hillshade.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kNoValue = -1;

// The light folded into the factors of the shade formula, scaled to the 254 grey steps
// above the darkest shade.
struct ShadeFactors {
    float flat;       // 254 * sin(altitude): a level position's shade
    float alongX;     // the weight of the left-minus-right slope
    float alongY;     // the weight of the top-minus-bottom slope
    float slopeSquare;  // (z / 8)^2, the square of the slope's scale
};

ShadeFactors FactorsOf(const ShadeLight& light) {
    constexpr double kRadians = std::numbers::pi / 180;
    const double azimuth = light.azimuth * kRadians, altitude = light.altitude * kRadians;
    const double scale = light.zFactor / 8;
    return {float(254 * std::sin(altitude)), float(254 * std::sin(azimuth) * std::cos(altitude) * scale),
            float(254 * std::cos(azimuth) * std::cos(altitude) * scale), float(scale * scale)};
}

// Row y's values as floats with one repeated value at each end; returns how many
// positions have no value (they hold kNoValue).
int DecodeRow(const HeightField& field, int y, float* values) {
    const int width = field.width();
    const uint32_t* pixels = field.working().RowPixels(y);
    int missing = 0;
    for (int x = 0; x < width; ++x) {
        int value = field.DecodeValue(pixels[x]);
        missing += value < 0;
        values[x + 1] = float(value);
    }
    values[0] = values[1];
    values[width + 1] = values[width];
    return missing;
}

inline uint8_t Shade(const ShadeFactors& f, float sumLeft, float sumRight, float sumTop, float sumBottom) {
    const float x = sumLeft - sumRight;
    const float y = sumTop - sumBottom;
    const float lit = (f.flat - y * f.alongY + x * f.alongX) / std::sqrt(1 + f.slopeSquare * (x * x + y * y));
    return uint8_t(lit <= 0 ? 1 : std::min(255.0f, 1 + lit + 0.5f));
}

// Rows with every neighbour valued: straight arithmetic, which vectorises.
void ShadeFullRow(const ShadeFactors& f, const float* up, const float* mid, const float* down, int width,
                  uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        const float left = up[x] + 2 * mid[x] + down[x];
        const float right = up[x + 2] + 2 * mid[x + 2] + down[x + 2];
        const float top = up[x] + 2 * up[x + 1] + up[x + 2];
        const float bottom = down[x] + 2 * down[x + 1] + down[x + 2];
        out[2 * x] = Shade(f, left, right, top, bottom);
        out[2 * x + 1] = 255;
    }
}

// Rows that touch positions without a value: those neighbours take the centre's value.
void ShadeGappedRow(const ShadeFactors& f, const float* up, const float* mid, const float* down, int width,
                    uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        const float centre = mid[x + 1];
        if (centre == kNoValue) {
            out[2 * x] = out[2 * x + 1] = 0;
            continue;
        }
        auto at = [centre](const float* row, int i) { return row[i] == kNoValue ? centre : row[i]; };
        const float left = at(up, x) + 2 * at(mid, x) + at(down, x);
        const float right = at(up, x + 2) + 2 * at(mid, x + 2) + at(down, x + 2);
        const float top = at(up, x) + 2 * at(up, x + 1) + at(up, x + 2);
        const float bottom = at(down, x) + 2 * at(down, x + 1) + at(down, x + 2);
        out[2 * x] = Shade(f, left, right, top, bottom);
        out[2 * x + 1] = 255;
    }
}

}  // namespace

std::vector<uint8_t> ShadeRelief(const HeightField& field, const ShadeLight& light) {
    const int width = field.width(), height = field.height();
    const ShadeFactors factors = FactorsOf(light);
    std::vector<uint8_t> image(size_t(width) * size_t(height) * 2);
    // Three decoded rows in turn: above, at and below the row being shaded.
    std::vector<float> rows[3];
    int missing[3];
    for (int i = 0; i < 3; ++i) rows[i].resize(size_t(width) + 2);
    missing[0] = missing[1] = DecodeRow(field, 0, rows[1].data());
    rows[0] = rows[1];
    missing[2] = DecodeRow(field, std::min(1, height - 1), rows[2].data());
    for (int y = 0; y < height; ++y) {
        uint8_t* out = image.data() + size_t(y) * size_t(width) * 2;
        const bool gapped = missing[0] + missing[1] + missing[2] > 0;
        (gapped ? ShadeGappedRow : ShadeFullRow)(factors, rows[0].data(), rows[1].data(), rows[2].data(), width,
                                                  out);
        std::swap(rows[0], rows[1]);
        std::swap(rows[1], rows[2]);
        missing[0] = missing[1];
        missing[1] = missing[2];
        missing[2] = DecodeRow(field, std::min(y + 2, height - 1), rows[2].data());
    }
    return image;
}
