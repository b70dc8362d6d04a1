// The 3D view of 1280 x 720 in a 1920 x 1080 frame, on terrain of 4096 x 4096 and
// 8192 x 8192 positions: one redraw after a small turn of the camera, from the turn to
// the presented frame (median and slowest, in display frames of 16.7 ms), and the
// picture at full size that follows when the camera rests (median); an inverse and a
// smooth of radius 2 swept from the canvas with the 3D view shown against the same with
// it hidden (the time added, both taken alternately in the same iterations); and the
// memory the 3D view keeps, as a part of one image of the field. Beside the wall-clock
// figures, the processor time of all the program's threads, steadier on a busy machine.
#include <benchmark/benchmark.h>

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "app/cmd_window_tables.h"
#include "app/knoll_app.h"
#include "app/knoll_cmd_window.h"
#include "framework/platform/headless/headless_platform.h"
#include "map/map_colours.h"
#include "operation_dialogs/operation_dialogs.h"
#include "operation_dialogs/smo_dialog.h"
#include "operation_dialogs/warp_dialog.h"

namespace {

constexpr double kDisplayFrameMs = 1000.0 / 60;
constexpr int kViewWidth = 1280;
constexpr int kViewHeight = 720;

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time of every thread of the process: on a busy machine, the work done.
double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) * 1e-6;
}

class DisplayRatePlatform : public vHeadlessPlatform {
public:
    DisplayRatePlatform() : vHeadlessPlatform(1920, 1080) {}
    int FrameInterval() const override { return 16; }
    uint64_t NowMs() const override {
        return uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count());
    }

private:
    Clock::time_point start_ = Clock::now();
};

// Hills at several scales from a fixed lattice of random heights, in 16 bits.
double Lattice(int x, int y) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double(h ^ (h >> 16)) / 4294967296.0;
}

double Noise(double x, double y) {
    const int cx = int(std::floor(x)), cy = int(std::floor(y));
    const double fx = x - cx, fy = y - cy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double top = Lattice(cx, cy) + sx * (Lattice(cx + 1, cy) - Lattice(cx, cy));
    const double bottom = Lattice(cx, cy + 1) + sx * (Lattice(cx + 1, cy + 1) - Lattice(cx, cy + 1));
    return top + sy * (bottom - top);
}

void FillTerrain(HeightField& field, int side) {
    field.ReplaceField(side, side);
    field.SetKind(kSixteenBitField);
    std::vector<vColor> row(static_cast<size_t>(side));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            double height = 0, amplitude = 0.5;
            for (double cell = side / 6.0; cell >= 4; cell /= 2, amplitude /= 2) height += amplitude * Noise(x / cell, y / cell);
            row[size_t(x)] = field.ValueColor(int(std::clamp(height, 0.0, 1.0) * 65535));
        }
        field.WriteRow(y, row.data());
    }
    field.SnapshotField();
}

// The editor started in a scratch folder, its field of the given side, the 3D view on.
struct Editor {
    explicit Editor(int side) {
        folder = std::filesystem::temp_directory_path() / ("knoll-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        const char* argv[] = {"knollwork"};
        app.Start(platform, 1, argv, AppMain);
        app.PumpUntilIdle();
        FillTerrain(Window().Document().field(), side);
        Window().Canvas().UpdateScrollBars();
        Window().OnCommand(cmdTerrainView, 0, 0);
        Settle();
        View().SetBounds(View().Bounds().x, View().Bounds().y, kViewWidth, kViewHeight);
        Settle();
    }
    ~Editor() {
        app.Finish();
        std::filesystem::remove_all(folder);
    }

    KnollCmdWindow& Window() { return *app.MainWindow(); }
    KnollTerrainView& View() { return Window().TerrainView(); }
    void Settle() {
        do app.PumpUntilIdle();
        while (app.Frame().NeedsCompose());
    }

    std::filesystem::path folder;
    DisplayRatePlatform platform;
    KnollApp app;
};

void Redraw(benchmark::State& state) {
    Editor editor(int(state.range(0)));
    std::vector<double> ms, sharp;
    double cpu = 0;
    for (auto _ : state) {
        // A hand's turn comes at any moment, not just as a frame was shown: after one,
        // the next waits for the display whatever the view does.
        std::this_thread::sleep_for(std::chrono::milliseconds(editor.platform.FrameInterval()));
        Clock::time_point start = Clock::now();
        const double cpuStart = ProcessCpuMs();
        editor.View().SetCamera(Orbit(editor.View().Shot().camera, 1, 0));
        editor.Settle();
        cpu += ProcessCpuMs() - cpuStart;
        ms.push_back(MsSince(start));
        editor.platform.AdvanceClock(KnollTerrainView::kRestMs);
        start = Clock::now();
        editor.Settle();
        sharp.push_back(MsSince(start));
    }
    std::sort(ms.begin(), ms.end());
    std::sort(sharp.begin(), sharp.end());
    state.counters["median_in_frames"] = ms[ms.size() / 2] / kDisplayFrameMs;
    state.counters["slowest_in_frames"] = ms.back() / kDisplayFrameMs;
    state.counters["cpu_in_frames"] = cpu / double(ms.size()) / kDisplayFrameMs;
    state.counters["full_size_in_frames"] = sharp[sharp.size() / 2] / kDisplayFrameMs;
    const double image = double(state.range(0)) * double(state.range(0)) * 4;
    // The view's surface and its half-size preview; the colours are the map's 256 entries;
    // while it draws, the heights of the coarsest level (one for 16 x 16 positions).
    const double coarsest = image / 4 / 256 * sizeof(double);
    state.counters["memory_of_an_image"] =
        (double(kViewWidth) * kViewHeight * 4 * 5 / 4 + sizeof(MapColours) + coarsest) / image;
}
BENCHMARK(Redraw)->Arg(4096)->Arg(8192)->Unit(benchmark::kMillisecond)->Iterations(30);

// An operation on the whole field from the canvas, the 3D view shown and hidden in turn.
void SweepBeside3D(benchmark::State& state, DialogKind dialog, const std::function<void(KnollOperationDialogs&)>& choose) {
    Editor editor(4096);
    KnollCmdWindow& window = editor.Window();
    window.OnCommand(DialogRecordOf(dialog).toggleId, 1, ctToggleButton);
    choose(window.OperationDialogs());
    editor.Settle();
    const vRect canvas = window.Canvas().Bounds();
    double shown = 0, hidden = 0, shownCpu = 0, hiddenCpu = 0;
    for (auto _ : state) {
        for (bool on : {true, false}) {
            if (editor.View().IsShown() != on) window.OnCommand(cmdTerrainView, 0, 0);
            editor.platform.QueuePress(canvas.x + 20, canvas.y + 20);
            editor.Settle();
            Clock::time_point start = Clock::now();
            const double cpuStart = ProcessCpuMs();
            editor.platform.QueueRelease(canvas.x + 20, canvas.y + 20);
            editor.Settle();
            (on ? shown : hidden) += MsSince(start);
            (on ? shownCpu : hiddenCpu) += ProcessCpuMs() - cpuStart;
        }
    }
    state.counters["added_to_sweep"] = shown / hidden - 1;
    state.counters["added_to_sweep_cpu"] = shownCpu / hiddenCpu - 1;
    state.counters["operation_ms"] = hidden / double(state.iterations());
}

void SweepInverse(benchmark::State& state) {
    SweepBeside3D(state, DialogKind::Wacks,
                  [](KnollOperationDialogs& d) { d.Wacks().OnDialogCommand(kWacksInverseId, 1, ctToggleButton); });
}
BENCHMARK(SweepInverse)->Unit(benchmark::kMillisecond)->Iterations(6);

void SweepSmooth(benchmark::State& state) {
    SweepBeside3D(state, DialogKind::Smooth, [](KnollOperationDialogs& d) {
        d.Smooth().PutValue(kSmoothSpinnerId, 5, StateValue);
        d.Smooth().OnDialogCommand(kSmoothSpinnerId, 5, ctSpinner);
    });
}
BENCHMARK(SweepSmooth)->Unit(benchmark::kMillisecond)->Iterations(6);

}  // namespace
