#include <algorithm>
#include <numeric>
#include <vector>

#include "ops/erosion.h"
#include "ops/erosion_run.h"
#include "ops/rain_droplet.h"
#include "ops/rain_plan.h"

static_assert(RainPlan::kTile > 2 * rain::kReach, "droplets of tiles of one colour must not meet");

namespace {

// Tiles run between two looks at the view and the share done: on a 4096 x 4096 field
// about a hundredth of a second's work on two cores.
constexpr size_t kTilesAStep = 16;

}  // namespace

int64_t RainDroplets(const HeightField& field, int32_t perHundred) {
    return int64_t(field.width()) * field.height() * perHundred / 100;
}

ErosionOutcome Rain(HeightField& field, int area, int64_t droplets, uint32_t seed, WorkerPool& workers) {
    ErosionRun run(field, area, 1.0f / float(field.MaxValue()), workers);
    if (!run.made()) return {ErosionOutcome::kNoMemory};
    ErosionGrid& grid = run.grid();
    const rain::ClearGround clear(grid, workers);
    const RainPlan plan(field.width(), field.height(), droplets, seed);
    // Each tile adds up what its droplets carry off, and the tiles are summed in order,
    // so the total is the same on any number of threads.
    std::vector<double> carried(size_t(plan.tiles()), 0.0);
    int64_t fallen = 0;
    for (int round = 0; round < plan.rounds(); ++round) {
        for (int colour = 0; colour < RainPlan::kColours; ++colour) {
            // The tiles of a colour are independent, so they are taken a few at a time,
            // and the view and the share done move on in between.
            const std::vector<int>& tiles = plan.TilesOf(colour);
            for (size_t first = 0; first < tiles.size(); first += kTilesAStep) {
                const size_t count = std::min(kTilesAStep, tiles.size() - first);
                workers.Run(int(count), [&](int i) {
                    const int tile = tiles[first + size_t(i)];
                    double off = 0.0;
                    plan.ForEachDroplet(tile, round, [&](float x, float y) { off += rain::RunDroplet(grid, clear, x, y); });
                    carried[size_t(tile)] += off;
                });
                for (size_t i = first; i < first + count; ++i) fallen += plan.DropletsOf(tiles[i], round);
                if (!run.Continue(fallen, plan.droplets())) return {ErosionOutcome::kStopped};
            }
        }
    }
    run.Finish();
    return {ErosionOutcome::kDone, std::accumulate(carried.begin(), carried.end(), 0.0) * field.MaxValue()};
}
