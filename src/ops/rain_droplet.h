#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/worker_pool.h"
#include "ops/erosion_grid.h"

// Hydraulic erosion by droplets, the published particle method: a droplet runs down the
// ground with some inertia, gaining speed as it falls; it carries as much sediment as
// slope x speed x water allows, takes the difference from the ground around it while it
// can carry more, and lays down part of the excess where it slows or climbs; its water
// evaporates on the way. Heights are the field's values scaled to 0..1.
namespace rain {

inline constexpr float kInertia = 0.05f;      // share of the old direction kept each step
inline constexpr float kCapacity = 4.0f;      // sediment per unit of slope x speed x water
inline constexpr float kMinSlope = 0.01f;     // the least slope a capacity is taken for
inline constexpr float kErosion = 0.3f;       // share of the free capacity taken each step
inline constexpr float kDeposition = 0.3f;    // share of the excess laid down each step
inline constexpr float kEvaporation = 0.01f;  // share of the water lost each step
inline constexpr float kGravity = 4.0f;
inline constexpr int kRadius = 3;             // of the ground eroded, weighted by 3 - distance
inline constexpr int kMaxSteps = 30;
// After its steps a droplet soaks away: it flows on carrying nothing more, so it lays
// down its sediment along its way instead of in one heap where it ends. What is left
// after these steps (less than 0.1 per cent) stays where it stops.
inline constexpr int kDryingSteps = 20;
inline constexpr float kStartSpeed = 1.0f;
inline constexpr float kStartWater = 1.0f;

// How far from where it starts a droplet may read or change the ground: its steps, the
// far corner of its cell and the positions its erosion reaches.
inline constexpr int kReach = kMaxSteps + kDryingSteps + 2 + (kRadius - 1) + 1;

// The weight of a position dx, dy from the centre of the erosion, before the weights are
// made to sum to 1; 0 or less takes no part.
float RawWeight(int dx, int dy);

// Which positions are ground with the whole erosion brush around them, in blocks, so a
// droplet there spreads its erosion by the fixed weights without looking at each
// position. Ground stays ground while it rains, so it is worked out once.
class ClearGround {
public:
    static constexpr int kBlock = 8;

    ClearGround(const ErosionGrid& grid, WorkerPool& workers);
    bool IsClear(int x, int y) const { return clear_[size_t(y / kBlock) * size_t(columns_) + size_t(x / kBlock)] != 0; }

private:
    int columns_;
    int rows_;
    std::vector<uint8_t> clear_;
};

// One droplet that starts at (x, y). Returns the sediment it carried off the field or
// across the edge of the area (in heights), 0 when it laid everything down.
float RunDroplet(ErosionGrid& grid, const ClearGround& clear, float x, float y);

}  // namespace rain
