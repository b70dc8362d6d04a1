#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "core/render_palette.h"
#include "framework/platform/headless/headless_platform.h"
#include "framework/window/app.h"
#include "framework/window/cmd_window.h"
#include "ops/smooth.h"
#include "view/knoll_canvas_pane.h"

// The editor's canvas in a 1920 x 1080 frame looking at a 4096 x 4096 field. Ratios are
// taken inside one benchmark, the two sides timed alternately, so the machine's load
// falls on both alike.

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kSide = 4096;
constexpr double kDisplayFrameMs = 1000.0 / 60;

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The headless backend with a display rate and a running clock, as a real screen has.
class PacedPlatform : public vHeadlessPlatform {
public:
    PacedPlatform(int interval) : vHeadlessPlatform(kScreenWidth, kScreenHeight), interval_(interval) {}
    int FrameInterval() const override { return interval_; }
    uint64_t NowMs() const override {
        return uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count());
    }

private:
    int interval_;
    Clock::time_point start_ = Clock::now();
};

class NullOwner : public KnollCanvasOwner {
public:
    void ArmOperation() override {}
    void SetUndoKeep(int) override {}
    void RunArmedOperation(int) override {}
    void ShowPosition(int, int, int height) override { benchmark::DoNotOptimize(height); }
};

void FillRandom(HeightField& field, int kind) {
    field.ReplaceField(kSide, kSide);
    field.SetKind(kind);
    uint32_t state = 2463534242u;
    std::vector<vColor> row(static_cast<size_t>(kSide));
    for (int y = 0; y < kSide; ++y) {
        for (vColor& colour : row) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            colour = field.ValueColor(int(state & uint32_t(field.MaxValue())));
        }
        field.WriteRow(y, row.data());
    }
    field.SnapshotField();
}

// A started program whose maximized frame holds the canvas with a 4096 x 4096 field.
struct Session {
    explicit Session(int interval) : platform(interval), app("Bench", 1) {
        const char* argv[] = {"bench"};
        app.Start(platform, 1, argv, nullptr);
    }
    ~Session() { app.Finish(); }

    PacedPlatform platform;
    vApp app;
};

class CanvasBench {
public:
    explicit CanvasBench(int kind, int interval = 0) : session(interval), canvas(&owner) {
        auto* window = new vCmdWindow("Bench", kScreenWidth, kScreenHeight);
        session.app.OpenAppWindow(window, "Bench", kScreenWidth, kScreenHeight, nullptr);
        window->AddPane(&canvas);
        session.app.ShowFrame(vFrameShow::Maximized);
        FillRandom(canvas.Field(), kind);
        canvas.UpdateScrollBars();
        canvas.RefreshView();
        session.app.PumpUntilIdle();
    }

    void Pump() { session.app.PumpUntilIdle(); }
    int Presents() const { return session.platform.PresentCount(); }

    Session session;
    NullOwner owner;
    KnollCanvasPane canvas;
};

// One arrow step, copied, composed and presented.
void BM_ScrollStep(benchmark::State& state) {
    CanvasBench bench(kEightBitField);
    int direction = 1;
    double worstMs = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        for (int i = 0; i < 20; ++i) {
            bench.canvas.OnVStep(direction);
            bench.canvas.OnHStep(direction);
            bench.Pump();
        }
        direction = -direction;
        worstMs = std::max(worstMs, MsSince(start) / 20);
    }
    state.counters["step_in_frames"] = worstMs / kDisplayFrameMs;
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMillisecond)->Iterations(10);

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
    FillRandom(alone, kEightBitField);
    double engineMs = 0, canvasMs = 0;
    int presents = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        RenderPalette(alone, ThePalette());
        engineMs += MsSince(start);
        int before = bench.Presents();
        start = Clock::now();
        bench.canvas.RenderPalette();
        canvasMs += MsSince(start);
        presents += bench.Presents() - before;
        bench.Pump();
    }
    state.counters["canvas_over_engine"] = canvasMs / engineMs;
    state.counters["presents_per_display_frame"] = presents / (canvasMs / kDisplayFrameMs);
}
BENCHMARK(BM_RenderPalette)->Unit(benchmark::kMillisecond)->Iterations(5);

// Smooth drawing its rows on the canvas as it writes them, against the same smooth with
// no painter.
void BM_SmoothRowsOnScreen(benchmark::State& state) {
    CanvasBench bench(kEightBitField, int(kDisplayFrameMs));
    HeightField alone;
    FillRandom(alone, kEightBitField);
    double engineMs = 0, canvasMs = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        Smooth(alone, 0, 1);
        engineMs += MsSince(start);
        start = Clock::now();
        bench.canvas.Smooth(0, 1);
        canvasMs += MsSince(start);
        bench.Pump();
    }
    state.counters["added_over_smooth"] = canvasMs / engineMs - 1;
}
BENCHMARK(BM_SmoothRowsOnScreen)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
