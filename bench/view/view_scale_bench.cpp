#include <benchmark/benchmark.h>

#include <ctime>

#include "bench/view/canvas_bench.h"
#include "ops/smooth.h"
#include "ops/value_operations.h"

// The canvas at every scale in a 1920 x 1080 frame, on 4096 x 4096 and 8192 x 8192
// fields: changing the scale, scrolling, an operation sweeping down a fitted view, and
// the memory of the reduced copy.

namespace {

// Every scale in turn, fitted among them, each drawn and presented. The first zoom-out
// after a load is reported on its own: at once, when it makes the whole reduced copy,
// and after the idle time in which the copy is made (its length reported too), as a
// user's reach for the keys gives it.
void BM_ScaleChange(benchmark::State& state) {
    const int side = int(state.range(0));
    CanvasBench bench(kSixteenBitField, 0, side);
    bench.ShowMap(state.range(1) != 0);
    Clock::time_point start = Clock::now();
    bench.canvas.FitField();
    bench.Pump();
    state.counters["first_reduction_at_once_in_frames"] = MsSince(start) / kDisplayFrameMs;
    bench.canvas.ActualSize();
    FillRandom(bench.document.field(), side, kSixteenBitField);
    start = Clock::now();
    bench.session.platform.AdvanceClock(1000);
    bench.Pump();
    state.counters["idle_reduction_ms"] = MsSince(start);
    start = Clock::now();
    bench.canvas.FitField();
    bench.Pump();
    state.counters["first_reduction_after_idle_in_frames"] = MsSince(start) / kDisplayFrameMs;
    FrameTimes changes;
    const int centreX = bench.canvas.PaneWidth() / 2, centreY = bench.canvas.PaneHeight() / 2;
    for (auto _ : state) {
        for (int level = KnollViewScale::kLargestLevel; level >= KnollViewScale::kSmallestLevel - 1; --level) {
            start = Clock::now();
            if (level < KnollViewScale::kSmallestLevel) {
                bench.canvas.FitField();
            } else {
                bench.canvas.SetScaleAround(level, centreX, centreY);
            }
            bench.Pump();
            changes.Take(start);
        }
    }
    changes.Report(state, "change");
    const double image = double(side) * side * sizeof(uint32_t);
    state.counters["reduced_copy_over_image"] = double(bench.canvas.ReducedCopy().MemoryBytes()) / image;
}
BENCHMARK(BM_ScaleChange)
    ->ArgsProduct({{4096, 8192}, {0, 1}})
    ->ArgNames({"side", "map"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// One arrow step on each bar at one scale, drawn and presented.
void BM_ScrollStepAtScale(benchmark::State& state) {
    CanvasBench bench(kSixteenBitField, 0, int(state.range(0)));
    bench.ShowMap(state.range(2) != 0);
    bench.canvas.SetScaleAround(int(state.range(1)), 0, 0);
    for (int i = 0; i < 40; ++i) bench.canvas.OnHStep(1);
    bench.Pump();
    int direction = 1;
    FrameTimes steps;
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) {
            Clock::time_point start = Clock::now();
            bench.canvas.OnVStep(direction);
            bench.canvas.OnHStep(direction);
            bench.Pump();
            steps.Take(start);
        }
        direction = -direction;
    }
    steps.Report(state, "step");
}
BENCHMARK(BM_ScrollStepAtScale)
    ->ArgsProduct({{4096, 8192}, {-4, -2, -1, 0, 2, 4}, {0, 1}})
    ->ArgNames({"side", "level", "map"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The processor time this thread has spent, in milliseconds: the programs of others on
// a shared machine do not count in it.
double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// An operation sweeping down a fitted view, against the same operation with no painter
// and the same sweep at 1:1: Smooth, and INC, the cheapest pass there is. Both wall time
// and this thread's processor time are compared.
template <class Operation>
void SweepOnFittedView(benchmark::State& state, Operation operation) {
    CanvasBench bench(kSixteenBitField, int(kDisplayFrameMs));
    bench.ShowMap(state.range(0) != 0);
    HeightField alone;
    FillRandom(alone, kSide, kSixteenBitField);
    Fastest engine, fitted, actual, engineCpu, fittedCpu;
    auto timed = [&](HeightField& field, Fastest& wall, Fastest& cpu) {
        const Clock::time_point start = Clock::now();
        const double startCpu = ThreadMs();
        operation(field);
        wall.Take(MsSince(start));
        cpu.Take(ThreadMs() - startCpu);
    };
    Fastest actualCpu;
    for (auto _ : state) {
        timed(alone, engine, engineCpu);
        bench.canvas.FitField();
        timed(bench.document.field(), fitted, fittedCpu);
        bench.Pump();
        bench.canvas.ActualSize();
        timed(bench.document.field(), actual, actualCpu);
        bench.Pump();
    }
    state.counters["added_over_operation"] = fitted.ms / engine.ms - 1;
    state.counters["added_over_operation_cpu"] = fittedCpu.ms / engineCpu.ms - 1;
    state.counters["added_at_1_1"] = actual.ms / engine.ms - 1;
    state.counters["operation_ms"] = engine.ms;
}

void BM_SmoothOnFittedView(benchmark::State& state) {
    SweepOnFittedView(state, [](HeightField& field) { Smooth(field, 0, 1); });
}
BENCHMARK(BM_SmoothOnFittedView)->Arg(0)->Arg(1)->ArgName("map")->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_IncOnFittedView(benchmark::State& state) {
    SweepOnFittedView(state, [](HeightField& field) { AddValue(field, 0, 1); });
}
BENCHMARK(BM_IncOnFittedView)->Arg(0)->Arg(1)->ArgName("map")->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
