#pragma once

#include <cstdint>

#include "core/height_field.h"
#include "core/worker_pool.h"

// The engine's threads, made on first use and shared by the operations that divide
// their work.
WorkerPool& EngineWorkers();

// How an erosion ended.
struct ErosionOutcome {
    enum Ending { kDone, kStopped, kNoMemory };
    Ending ending = kDone;
    // The material droplets carried off the field or across the edge of the area, in
    // values; what they took from the ground and did not carry off lies elsewhere on it.
    double carriedOff = 0.0;
};

// Rain: `droplets` droplets fall at random on the targets of area, from seed, and each
// runs down the ground eroding and laying down sediment (ops/rain_droplet.h). Positions
// without a value are walls; nothing outside the area changes, and a droplet that
// reaches its edge or the field's ends there, carrying its sediment off. The result
// does not depend on the number of threads.
ErosionOutcome Rain(HeightField& field, int area, int64_t droplets, uint32_t seed, WorkerPool& workers);

// The droplets of a rain of perHundred droplets per 100 positions of the field.
int64_t RainDroplets(const HeightField& field, int32_t perHundred);

// Slump: in each pass, wherever a target stands higher above one of its eight neighbours
// than the angle of repose allows, half of the steepest excess slides down to the
// neighbours it exceeds, each taking its share of the excess; every move of a pass comes
// from the heights the pass began with. Material stays on the targets of the area:
// walls and positions outside it neither give nor take.
ErosionOutcome Slump(HeightField& field, int area, int passes, WorkerPool& workers);

// The steepest difference of values between two neighbours side by side that slump
// leaves standing; a diagonal neighbour, farther away, may differ by sqrt(2) times it.
double ReposeDifference(const HeightField& field);
