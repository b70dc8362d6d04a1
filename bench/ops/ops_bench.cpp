#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "bench/field_maker.h"
#include "framework/draw/raster.h"
#include "ops/conversion.h"
#include "ops/roughen.h"
#include "ops/row_traversal.h"
#include "ops/smooth.h"
#include "ops/tile_operations.h"
#include "ops/value_operations.h"
#include "ops/zoom.h"

// Every operation runs on a 4096 x 4096 field; the yardstick is a memcpy of the pixels
// it produces.
namespace {

constexpr int kSide = 4096;


// One field per kind, made once and worked on in place by every benchmark.
HeightField& Field(int kind) {
    static std::unique_ptr<HeightField> fields[2];
    if (!fields[kind]) {
        fields[kind] = std::make_unique<HeightField>();
        FillRandom(*fields[kind], kSide, kind);
    }
    return *fields[kind];
}

void BM_Memcpy(benchmark::State& state) {
    const size_t positions = size_t(state.range(0)) * size_t(state.range(0));
    std::vector<uint32_t> from(positions, 0x123456), to(positions, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), positions * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Memcpy)->Arg(kSide / 2)->Arg(kSide)->Arg(kSide * 2)->Unit(benchmark::kMillisecond);

// The same copy into an image made for it, as an expand makes its new field: the
// yardstick for operations that produce a new image.
void BM_MemcpyIntoNewImage(benchmark::State& state) {
    const int side = int(state.range(0));
    std::vector<uint32_t> from(size_t(side) * size_t(side), 0x123456);
    for (auto _ : state) {
        Raster to(side, side);
        std::memcpy(to.Data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.Data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyIntoNewImage)->Arg(kSide * 2)->Unit(benchmark::kMillisecond);

template <class Operation>
void RunOnField(benchmark::State& state, Operation operation) {
    HeightField& field = Field(int(state.range(0)));
    for (auto _ : state) operation(field);
}

void BM_Smooth(benchmark::State& state) {
    const int radius = int(state.range(1));
    RunOnField(state, [radius](HeightField& field) { Smooth(field, kAreaWhole, radius); });
}
BENCHMARK(BM_Smooth)->ArgsProduct({{0, 1}, {1, 2, 10}})->Unit(benchmark::kMillisecond);

void BM_SmoothInside(benchmark::State& state) {
    RunOnField(state, [](HeightField& field) { Smooth(field, kAreaOutside, 1); });
}
BENCHMARK(BM_SmoothInside)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

#define KNOLL_FIELD_BENCH(name, call)                                       \
    void BM_##name(benchmark::State& state) {                               \
        RunOnField(state, [](HeightField& field) { call; });                \
    }                                                                       \
    BENCHMARK(BM_##name)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)

KNOLL_FIELD_BENCH(Cut, CutLow(field, kAreaWhole, 100));
KNOLL_FIELD_BENCH(Clip, ClipHigh(field, kAreaWhole, 200));
KNOLL_FIELD_BENCH(Add, AddValue(field, kAreaWhole, 3));
KNOLL_FIELD_BENCH(Fill, FillValue(field, kAreaWhole, 77));
KNOLL_FIELD_BENCH(Invert, InvertValues(field, kAreaWhole));
KNOLL_FIELD_BENCH(Mirror, Mirror(field, MirrorDirection::LeftToRight));
KNOLL_FIELD_BENCH(Flip, Flip(field, FlipDirection::LeftRight));
KNOLL_FIELD_BENCH(FlipUpDown, Flip(field, FlipDirection::TopBottom));
KNOLL_FIELD_BENCH(RoughenUp, Roughen(field, RoughMode::Up, 16, 1));
KNOLL_FIELD_BENCH(RoughenMiddle, Roughen(field, RoughMode::Middle, 16, 1));
KNOLL_FIELD_BENCH(RoughenArea, RoughenArea(field, kAreaOutside, RoughMode::Middle, 16, 1));

// A conversion's output is no longer of the kind it converts from, so each run starts
// again from the field as it was made.
template <class Operation>
void RunOnRestoredField(benchmark::State& state, Operation operation) {
    HeightField& field = Field(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        field.RestoreField();
        state.ResumeTiming();
        operation(field);
    }
    field.RestoreField();
}

void BM_ConvertToPpm(benchmark::State& state) {
    RunOnRestoredField(state, [](HeightField& field) { ConvertToPpm(field); });
}
BENCHMARK(BM_ConvertToPpm)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_ConvertToTga(benchmark::State& state) {
    RunOnRestoredField(state, [](HeightField& field) { ConvertToTga(field); });
}
BENCHMARK(BM_ConvertToTga)->Arg(1)->Unit(benchmark::kMillisecond);

// A zoom replaces the field, so each run starts from a fresh 4096 x 4096 one.
void BM_Zoom(benchmark::State& state) {
    const int kind = int(state.range(0));
    const ZoomMode mode = state.range(1) == 0 ? ZoomMode::Expand : ZoomMode::Shrink;
    HeightField field;
    for (auto _ : state) {
        state.PauseTiming();
        FillRandom(field, kSide, kind);
        state.ResumeTiming();
        Zoom(field, mode, nullptr);
    }
}
BENCHMARK(BM_Zoom)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// The doubled field's rows as a run that ends in an expand and a save makes them for
// the file, with no new image: against BM_Memcpy/8192.
void BM_ExpandedRows(benchmark::State& state) {
    const HeightField& field = Field(int(state.range(0)));
    for (auto _ : state) {
        WorkingRows old(field);
        ExpandedRows rows(old);
        for (int y = 0; y < rows.height; ++y) benchmark::DoNotOptimize(rows.Row(y));
    }
}
BENCHMARK(BM_ExpandedRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
