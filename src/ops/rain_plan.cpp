#include "ops/rain_plan.h"

#include <algorithm>

namespace {

// The share of total that falls to `weight` parts of `parts`, after `before` parts: the
// shares of all the parts sum to the total exactly.
int64_t Share(int64_t total, int64_t before, int64_t weight, int64_t parts) {
    using Wide = unsigned __int128;
    const Wide begin = Wide(uint64_t(total)) * uint64_t(before) / uint64_t(parts);
    const Wide end = Wide(uint64_t(total)) * uint64_t(before + weight) / uint64_t(parts);
    return int64_t(end - begin);
}

uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

RainPlan::RainPlan(int width, int height, int64_t droplets, uint32_t seed)
    : width_(width),
      height_(height),
      columns_((width + kTile - 1) / kTile),
      droplets_(std::max<int64_t>(droplets, 0)),
      seed_(seed),
      rounds_(int(std::min<int64_t>((droplets_ + kRoundDroplets - 1) / kRoundDroplets, INT32_MAX))) {
    const int rows = (height + kTile - 1) / kTile;
    const int64_t area = int64_t(width) * height;
    int64_t areaBefore = 0;
    for (int tile = 0; tile < columns_ * rows; ++tile) {
        const int column = tile % columns_, row = tile / columns_;
        const int64_t tileArea = int64_t(std::min(kTile, width - column * kTile)) * std::min(kTile, height - row * kTile);
        tileDroplets_.push_back(Share(droplets_, areaBefore, tileArea, area));
        areaBefore += tileArea;
        colours_[(row % 2) * 2 + column % 2].push_back(tile);
    }
}

int64_t RainPlan::DropletsOf(int tile, int round) const {
    return Share(tileDroplets_[size_t(tile)], round, 1, rounds_);
}

uint64_t RainPlan::TileSeed(int tile, int round) const {
    return Mix(Mix(Mix(seed_) ^ uint32_t(tile)) ^ uint32_t(round));
}

float RainPlan::Fraction(uint64_t& state) {
    return float(Mix(state += 0x9E3779B97F4A7C15ull) >> 40) * 0x1p-24f;
}
