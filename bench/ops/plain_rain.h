#pragma once

#include <algorithm>
#include <cmath>

#include "ops/erosion_grid.h"
#include "ops/rain_droplet.h"
#include "ops/rain_plan.h"

// The droplet method written out plainly, as the papers give it: one droplet after the
// other on one thread, the erosion's weights worked out afresh at every step from the
// positions around. The rain is measured against it, with the same droplets in the same
// order, so both must leave the same field.
namespace plain_rain {

using namespace rain;

inline float HeightAt(const ErosionGrid& grid, int cellX, int cellY, float u, float v) {
    return grid.At(cellX, cellY) * (1 - u) * (1 - v) + grid.At(cellX + 1, cellY) * u * (1 - v) +
           grid.At(cellX, cellY + 1) * (1 - u) * v + grid.At(cellX + 1, cellY + 1) * u * v;
}

inline float LowestCorner(const ErosionGrid& grid, int cellX, int cellY) {
    return std::min(std::min(grid.At(cellX, cellY), grid.At(cellX + 1, cellY)),
                    std::min(grid.At(cellX, cellY + 1), grid.At(cellX + 1, cellY + 1)));
}

inline bool InsideCells(const ErosionGrid& grid, int cellX, int cellY) {
    return cellX >= 0 && cellY >= 0 && cellX < grid.width() - 1 && cellY < grid.height() - 1;
}

inline void Deposit(ErosionGrid& grid, int cellX, int cellY, float u, float v, float amount) {
    grid.At(cellX, cellY) += amount * (1 - u) * (1 - v);
    grid.At(cellX + 1, cellY) += amount * u * (1 - v);
    grid.At(cellX, cellY + 1) += amount * (1 - u) * v;
    grid.At(cellX + 1, cellY + 1) += amount * u * v;
}

inline float Erode(ErosionGrid& grid, float x, float y, float amount) {
    const int centreX = int(x + 0.5f), centreY = int(y + 0.5f);
    auto ground = [&](int px, int py) {
        return px >= 0 && py >= 0 && px < grid.width() && py < grid.height() && ErosionGrid::IsGround(grid.At(px, py));
    };
    float total = 0.0f;
    for (int dy = -kRadius; dy <= kRadius; ++dy) {
        for (int dx = -kRadius; dx <= kRadius; ++dx) {
            const float weight = float(kRadius) - std::sqrt(float(dx * dx + dy * dy));
            if (weight > 0.0f && ground(centreX + dx, centreY + dy)) total += weight;
        }
    }
    float taken = 0.0f;
    for (int dy = -kRadius; dy <= kRadius; ++dy) {
        for (int dx = -kRadius; dx <= kRadius; ++dx) {
            const float weight = float(kRadius) - std::sqrt(float(dx * dx + dy * dy));
            if (weight <= 0.0f || !ground(centreX + dx, centreY + dy)) continue;
            float& height = grid.At(centreX + dx, centreY + dy);
            const float take = std::min(amount * (weight / total), height);
            height -= take;
            taken += take;
        }
    }
    return taken;
}

inline float Droplet(ErosionGrid& grid, float x, float y) {
    int cellX = int(x), cellY = int(y);
    if (!InsideCells(grid, cellX, cellY) || !ErosionGrid::IsGround(LowestCorner(grid, cellX, cellY))) return 0.0f;
    float dirX = 0, dirY = 0, speed = kStartSpeed, water = kStartWater, sediment = 0;
    for (int step = 0; step < kMaxSteps + kDryingSteps && (step < kMaxSteps || sediment > 0.0f); ++step) {
        const float u = x - float(cellX), v = y - float(cellY);
        const float h00 = grid.At(cellX, cellY), h10 = grid.At(cellX + 1, cellY);
        const float h01 = grid.At(cellX, cellY + 1), h11 = grid.At(cellX + 1, cellY + 1);
        const float gradX = (h10 - h00) * (1 - v) + (h11 - h01) * v;
        const float gradY = (h01 - h00) * (1 - u) + (h11 - h10) * u;
        dirX = dirX * kInertia - gradX * (1 - kInertia);
        dirY = dirY * kInertia - gradY * (1 - kInertia);
        const float length = std::sqrt(dirX * dirX + dirY * dirY);
        if (length == 0.0f) break;
        dirX /= length;
        dirY /= length;
        const float nextX = x + dirX, nextY = y + dirY;
        const int nextCellX = int(std::floor(nextX)), nextCellY = int(std::floor(nextY));
        if (!InsideCells(grid, nextCellX, nextCellY)) return sediment;
        const float lowest = LowestCorner(grid, nextCellX, nextCellY);
        if (lowest == ErosionGrid::kOutside) return sediment;
        if (!ErosionGrid::IsGround(lowest)) break;
        const float drop = HeightAt(grid, cellX, cellY, u, v) -
                           HeightAt(grid, nextCellX, nextCellY, nextX - float(nextCellX), nextY - float(nextCellY));
        const float capacity = step < kMaxSteps ? std::max(drop, kMinSlope) * speed * water * kCapacity : 0.0f;
        if (sediment > capacity || drop < 0) {
            const float amount = drop < 0 ? std::min(-drop, sediment) : (sediment - capacity) * kDeposition;
            sediment -= amount;
            Deposit(grid, cellX, cellY, u, v, amount);
        } else {
            sediment += Erode(grid, x, y, std::min((capacity - sediment) * kErosion, drop));
        }
        speed = std::sqrt(std::max(speed * speed + drop * kGravity, 0.0f));
        water *= 1 - kEvaporation;
        x = nextX;
        y = nextY;
        cellX = nextCellX;
        cellY = nextCellY;
    }
    Deposit(grid, cellX, cellY, x - float(cellX), y - float(cellY), sediment);
    return 0.0f;
}

inline void Rain(ErosionGrid& grid, const RainPlan& plan) {
    plan.ForEachDroplet([&](float x, float y) { Droplet(grid, x, y); });
}

}  // namespace plain_rain
