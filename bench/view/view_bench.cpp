#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "bench/view/canvas_bench.h"
#include "core/render_palette.h"
#include "ops/smooth.h"

// The editor's canvas in a 1920 x 1080 frame looking at a 4096 x 4096 field. Ratios are
// taken inside one benchmark, the two sides timed alternately, so the machine's load
// falls on both alike.

namespace {

// One arrow step on each bar, copied, composed and presented. The slowest step is
// reported beside the median, since a shared machine may stall any one of them.
void BM_ScrollStep(benchmark::State& state) {
    CanvasBench bench(kSixteenBitField);
    bench.ShowMap(state.range(0) != 0);
    int direction = 1;
    FrameTimes steps;
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) {
            int before = bench.Presents();
            Clock::time_point start = Clock::now();
            bench.canvas.OnVStep(direction);
            bench.canvas.OnHStep(direction);
            bench.Pump();
            steps.Take(start);
            if (bench.Presents() == before) state.SkipWithError("a step was not presented");
        }
        direction = -direction;
    }
    steps.Report(state, "step");
}
BENCHMARK(BM_ScrollStep)->Arg(0)->Arg(1)->ArgName("map")->Unit(benchmark::kMillisecond)->Iterations(10);

// One pointer motion over the canvas, through the event queue to the owner.
void BM_ReadOut(benchmark::State& state) {
    CanvasBench bench(kSixteenBitField);
    int x = 0;
    const int events = 200;
    double totalMs = 0;
    int64_t count = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        for (int i = 0; i < events; ++i) {
            x = (x + 7) % 1500;
            bench.session.platform.QueueMove(bench.canvas.Bounds().x + x, bench.canvas.Bounds().y + 300);
            bench.Pump();
        }
        totalMs += MsSince(start);
        count += events;
    }
    state.counters["event_in_frames"] = totalMs / double(count) / kDisplayFrameMs;
}
BENCHMARK(BM_ReadOut)->Unit(benchmark::kMillisecond);

// The repaint through the canvas, which asks for the view after every row, against the
// engine's palette pass alone.
void BM_RenderPalette(benchmark::State& state) {
    CanvasBench bench(kEightBitField, int(kDisplayFrameMs));
    HeightField alone;
    FillRandom(alone, kSide, kEightBitField);
    Fastest engine, canvas;
    double canvasMs = 0;
    int presents = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        RenderPalette(alone, bench.document.palette());
        engine.Take(MsSince(start));
        int before = bench.Presents();
        start = Clock::now();
        bench.document.ApplyPalette();
        double ms = MsSince(start);
        canvas.Take(ms);
        canvasMs += ms;
        presents += bench.Presents() - before;
        bench.Pump();
    }
    state.counters["canvas_over_engine"] = canvas.ms / engine.ms;
    state.counters["engine_ms"] = engine.ms;
    // At most one present per display frame begun.
    state.counters["presents_per_frame_begun"] =
        presents / (double(state.iterations()) + canvasMs / kDisplayFrameMs);
}
BENCHMARK(BM_RenderPalette)->Unit(benchmark::kMillisecond)->Iterations(8);

// Smooth drawing its rows on the canvas as it writes them, against the same smooth with
// no painter.
void BM_SmoothRowsOnScreen(benchmark::State& state) {
    CanvasBench bench(kSixteenBitField, int(kDisplayFrameMs));
    bench.ShowMap(state.range(0) != 0);
    HeightField alone;
    FillRandom(alone, kSide, kSixteenBitField);
    Fastest engine, canvas;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        Smooth(alone, 0, 1);
        engine.Take(MsSince(start));
        start = Clock::now();
        Smooth(bench.document.field(), 0, 1);
        canvas.Take(MsSince(start));
        bench.Pump();
    }
    state.counters["added_over_smooth"] = canvas.ms / engine.ms - 1;
    state.counters["smooth_ms"] = engine.ms;
}
BENCHMARK(BM_SmoothRowsOnScreen)->Arg(0)->Arg(1)->ArgName("map")->Unit(benchmark::kMillisecond)->Iterations(8);

}  // namespace
