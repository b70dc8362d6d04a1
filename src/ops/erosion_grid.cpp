#include "ops/erosion_grid.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "ops/row_traversal.h"

namespace {

// Rows a worker takes at a time: enough to keep the pool's bookkeeping small.
constexpr int kBandRows = 64;

int Bands(int rows) { return (rows + kBandRows - 1) / kBandRows; }

}  // namespace

ErosionGrid::ErosionGrid(const HeightField& field, int area, float scale, WorkerPool& workers)
    : width_(field.width()), height_(field.height()), unscale_(1.0f / scale), codec_(field) {
    heights_.reset(new (std::nothrow) float[size_t(width_) * size_t(height_)]);
    if (!heights_) return;
    workers.Run(Bands(height_), [&](int band) {
        const int end = std::min(height_, (band + 1) * kBandRows);
        for (int y = band * kBandRows; y < end; ++y) LoadRow(field, area, scale, y);
    });
}

void ErosionGrid::LoadRow(const HeightField& field, int area, float scale, int y) {
    const AreaRule rule(field, area);
    const uint32_t* pixels = field.working().RowPixels(y);
    const uint32_t* mask = rule.MaskRow(y);
    float* heights = Row(y);
    for (int x = 0; x < width_; ++x) {
        const int value = codec_.Value(pixels[x]);
        if (!rule.whole() && !rule.IsTarget(mask[x], codec_.wide())) {
            heights[x] = kOutside;
        } else {
            heights[x] = value < 0 ? kWall : float(value) * scale;
        }
    }
}

int ErosionGrid::ValueOf(float height) const {
    const float value = std::nearbyint(height * unscale_);
    return int(std::clamp(value, 0.0f, float(codec_.max())));
}

void ErosionGrid::StoreRow(int y, const uint32_t* before, uint32_t* pixels) const {
    const float* heights = Row(y);
    for (int x = 0; x < width_; ++x) {
        const uint32_t old = before[x];
        if (!IsGround(heights[x])) {
            pixels[x] = old;
            continue;
        }
        const int value = ValueOf(heights[x]);
        pixels[x] = value == codec_.Value(old) ? old : codec_.Store(value);
    }
}
