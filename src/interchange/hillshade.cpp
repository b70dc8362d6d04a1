#include "interchange/hillshade.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/vector_clones.h"

namespace {

using ShadeFactors = RunShader::Factors;

// The light folded into the factors of the shade formula, scaled to the 254 grey steps
// above the darkest shade.
ShadeFactors FactorsOf(const ShadeLight& light, double spacing) {
    constexpr double kRadians = std::numbers::pi / 180;
    auto usable = [](double value, double low, double high) {
        return std::isfinite(value) ? std::clamp(value, low, high) : low;
    };
    const double azimuth = usable(light.azimuth, 0, 360) * kRadians;
    const double altitude = usable(light.altitude, 0, 90) * kRadians;
    const double scale = usable(light.zFactor, 0, kMaxZFactor) / 8 / spacing;
    return {float(254 * std::sin(altitude)), float(254 * std::sin(azimuth) * std::cos(altitude) * scale),
            float(254 * std::cos(azimuth) * std::cos(altitude) * scale), float(scale * scale)};
}

// The height beyond `edge` on the line from `inside` through it.
inline float Extrapolate(float edge, float inside) {
    return edge == kNoHeight || inside == kNoHeight ? kNoHeight : 2 * edge - inside;
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
KNOLL_CLONES("avx2", "default")
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
        if (centre == kNoHeight) {
            out[x] = 0;
            continue;
        }
        auto at = [centre](const float* row, int i) { return row[i] == kNoHeight ? centre : row[i]; };
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

RunShader::RunShader(const ShadeLight& light, int gridWidth, int gridHeight, double spacing)
    : factors_(FactorsOf(light, spacing)), width_(gridWidth), height_(gridHeight) {}

// The columns beyond the grid's left and right edges, where the run reaches them.
void RunShader::FillEnds(int first, int count, bool edgeRow, float* row) const {
    const int last = count + 1;
    if (first == 0) row[0] = edgeRow ? row[1] : Extrapolate(row[1], row[2]);
    if (first + count == width_) row[last] = edgeRow ? row[last - 1] : Extrapolate(row[last - 1], row[last - 2]);
}

void RunShader::ShadeRun(int y, int first, int count, float* up, float* mid, float* down, bool anyMissing,
                         uint8_t* out) {
    if (count <= 0) return;
    if (width_ < 2 || height_ < 2) {
        std::fill(out, out + count, uint8_t(0));
        return;
    }
    const bool firstRow = y == 0, lastRow = y == height_ - 1;
    const int slots = count + 2;
    FillEnds(first, count, firstRow || lastRow, mid);
    if (!firstRow) FillEnds(first, count, lastRow, up);
    if (!lastRow) FillEnds(first, count, firstRow, down);
    if (firstRow || lastRow) {
        beyond_.resize(size_t(slots));
        const float* inside = firstRow ? down : up;
        for (int i = 0; i < slots; ++i) beyond_[size_t(i)] = Extrapolate(mid[i], inside[i]);
        (firstRow ? up : down) = beyond_.data();
    }
    (anyMissing ? ShadeGappedRow : ShadeFullRow)(factors_, up, mid, down, count, out);
}

bool DecodeHeights(const HeightField& field, int y, float* heights) {
    const uint32_t* pixels = field.working().RowPixels(y);
    const bool wide = field.kind() == kSixteenBitField;
    bool missing = false;
    for (int x = 0; x < field.width(); ++x) {
        const bool absent = pixels[x] == kNoValuePixel;
        missing |= absent;
        heights[x] = absent ? kNoHeight : float(PixelSample(pixels[x], wide));
    }
    return missing;
}

ReliefShader::ReliefShader(const HeightField& field, const ShadeLight& light)
    : field_(field), shader_(light, field.width(), field.height()) {
    for (std::vector<float>& row : rows_) row.resize(size_t(field.width()) + 2);
    DecodeInto(1, 0);
    if (field.height() > 1) DecodeInto(2, 1);
}

void ReliefShader::DecodeInto(int slot, int y) { missing_[slot] = DecodeHeights(field_, y, rows_[slot].data() + 1); }

void ReliefShader::ShadeNextRow(uint8_t* shades) {
    // Rows beyond the field are not read, nor whether they miss values.
    const bool anyMissing = (nextRow_ > 0 && missing_[0]) || missing_[1] || (nextRow_ + 1 < field_.height() && missing_[2]);
    shader_.ShadeRun(nextRow_, 0, field_.width(), rows_[0].data(), rows_[1].data(), rows_[2].data(), anyMissing,
                     shades);
    // The row below becomes the middle one; the top one's storage takes the next below.
    std::swap(rows_[0], rows_[1]);
    std::swap(rows_[1], rows_[2]);
    std::swap(missing_[0], missing_[1]);
    std::swap(missing_[1], missing_[2]);
    ++nextRow_;
    if (nextRow_ + 1 < field_.height()) DecodeInto(2, nextRow_ + 1);
}
