#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "bench/field_maker.h"
#include "bench/ops/plain_rain.h"
#include "ops/erosion.h"
#include "ops/roughen.h"
#include "ops/row_traversal.h"
#include "ops/smooth.h"

// Rain and slump on a 4096 x 4096 16-bit field of roughened hills, against the plain
// droplet method on the same droplets and against a smooth of radius 10. The threaded
// runs are timed by the clock on the wall.
namespace {

constexpr int kSide = 4096;
constexpr int64_t kDroplets = 1000000;
constexpr uint32_t kSeed = 1;

// The hills, roughened or not.
const std::vector<uint32_t>& StartPixels(bool rough) {
    static std::vector<uint32_t> made[2];
    std::vector<uint32_t>& pixels = made[rough];
    if (pixels.empty()) {
        HeightField field;
        FillHills(field, kSide, kSixteenBitField);
        if (rough) Roughen(field, RoughMode::Middle, 1500, 7);
        for (int y = 0; y < kSide; ++y) {
            const uint32_t* row = field.working().RowPixels(y);
            pixels.insert(pixels.end(), row, row + kSide);
        }
    }
    return pixels;
}

// The field as it starts, committed, and kept without an undo copy as the batch tool
// keeps it.
HeightField& StartField(bool rough = true) {
    static HeightField field;
    if (field.width() != kSide) {
        field.ReplaceField(kSide, kSide);
        field.SetKind(kSixteenBitField);
        field.KeepNoUndo();
    }
    const std::vector<uint32_t>& pixels = StartPixels(rough);
    for (int y = 0; y < kSide; ++y) {
        std::memcpy(field.working().MutableRowPixels(y), pixels.data() + size_t(y) * kSide, kSide * sizeof(uint32_t));
    }
    field.SnapshotField();
    return field;
}

std::vector<uint32_t> Pixels(const HeightField& field) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < field.height(); ++y) {
        const uint32_t* row = field.working().RowPixels(y);
        pixels.insert(pixels.end(), row, row + field.width());
    }
    return pixels;
}

std::vector<uint32_t>& RainResult() {
    static std::vector<uint32_t> pixels;
    return pixels;
}

void BM_Rain(benchmark::State& state) {
    WorkerPool workers(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        HeightField& field = StartField();
        state.ResumeTiming();
        Rain(field, kAreaWhole, kDroplets, kSeed, workers);
        state.PauseTiming();
        RainResult() = Pixels(field);
        state.ResumeTiming();
    }
    state.counters["threads"] = workers.Threads();
}
BENCHMARK(BM_Rain)->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// The plain method on the same droplets; same_bytes says whether it left the field the
// rain left.
void BM_RainPlain(benchmark::State& state) {
    WorkerPool one(1);
    HeightField& field = StartField();
    ErosionGrid grid(field, kAreaWhole, 1.0f / 0xFFFF, one);
    const RainPlan plan(kSide, kSide, kDroplets, kSeed);
    for (auto _ : state) plain_rain::Rain(grid, plan);
    for (int y = 0; y < kSide; ++y) {
        uint32_t* row = field.working().MutableRowPixels(y);
        grid.StoreRow(y, row, row);
    }
    state.counters["same_bytes"] = !RainResult().empty() && Pixels(field) == RainResult();
}
BENCHMARK(BM_RainPlain)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

void BM_Slump(benchmark::State& state) {
    WorkerPool workers;
    for (auto _ : state) {
        state.PauseTiming();
        HeightField& field = StartField(state.range(1) != 0);
        state.ResumeTiming();
        Slump(field, kAreaWhole, int(state.range(0)), workers);
    }
}
// Passes, and whether the hills are roughened: on rough ground every position slides in
// every pass, on the hills alone the steep ones.
BENCHMARK(BM_Slump)->Args({50, 1})->Args({50, 0})->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// On the same field, for the slump to be measured by.
void BM_Smooth(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        HeightField& field = StartField(state.range(1) != 0);
        state.ResumeTiming();
        Smooth(field, kAreaWhole, int(state.range(0)));
    }
}
BENCHMARK(BM_Smooth)->Args({10, 1})->Args({10, 0})->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
