// From the release on the canvas to the last row presented, against the same driver on
// a field without a view, on 4096 x 4096 positions. The headless backend here keeps a
// display frame of 16 ms on the real clock, so the editor presents as a screen would.
// Counters: ratio (editor time over engine time, both taken in the same iterations),
// ratio_cpu (the same in this thread's processor time, steadier on a busy machine),
// and presents per display frame elapsed (at most 1).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <time.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "app/cmd_window_tables.h"
#include "app/knoll_app.h"
#include "app/knoll_cmd_window.h"
#include "bench/display_rate_platform.h"
#include "operation_dialogs/erode_dialog.h"
#include "operation_dialogs/operation_dialogs.h"
#include "operation_dialogs/smo_dialog.h"
#include "operation_dialogs/tile_dialog.h"
#include "operation_dialogs/warp_dialog.h"
#include "ops/operation_table.h"

namespace {

constexpr int kSide = 4096;
constexpr int kDisplayFrameMs = DisplayRatePlatform::kDisplayFrameMs;

using Clock = std::chrono::steady_clock;

void FillRidges(HeightField& field) {
    field.ReplaceField(kSide, kSide);
    std::vector<vColor> row(kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) row[x] = field.ValueColor(((x * 7) ^ (y * 3)) & 0xFF);
        field.WriteRow(y, row.data());
    }
    field.SnapshotField();
}

// The editor started in a scratch folder, its field 4096 x 4096.
struct Editor {
    Editor() {
        folder = std::filesystem::temp_directory_path() / ("knoll-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        const char* argv[] = {"knollwork", "--seed", "7"};
        app.Start(platform, 3, argv, AppMain);
        app.PumpUntilIdle();
        KnollCanvasPane& canvas = Window().Canvas();
        FillRidges(Window().Document().field());
        canvas.UpdateScrollBars();
        canvas.RefreshView();
        Settle();
    }
    ~Editor() {
        app.Finish();
        std::filesystem::remove_all(folder);
    }

    KnollCmdWindow& Window() { return *app.MainWindow(); }
    // Pumps until everything drawn has been presented.
    void Settle() {
        do app.PumpUntilIdle();
        while (app.Frame().NeedsCompose());
    }
    vPoint CanvasPoint() {
        vRect pane = Window().Canvas().Bounds();
        return {pane.x + 20, pane.y + 20};
    }

    std::filesystem::path folder;
    DisplayRatePlatform platform;
    KnollApp app;
};

Editor& TheEditor() {
    static Editor editor;
    return editor;
}

HeightField& EngineField() {
    static HeightField field;
    if (field.width() != kSide) FillRidges(field);
    return field;
}

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Chooses the operation in the editor's dialogs; engine runs the same driver alone.
struct BenchedOperation {
    DialogKind dialog;
    std::function<void(KnollOperationDialogs&)> choose;
    std::function<void(HeightField&)> engine;
};

void RunBoth(benchmark::State& state, const BenchedOperation& operation) {
    Editor& editor = TheEditor();
    HeightField& engineField = EngineField();
    editor.Window().OnCommand(DialogRecordOf(operation.dialog).toggleId, 1, ctToggleButton);
    operation.choose(editor.Window().OperationDialogs());
    editor.Settle();
    vPoint at = editor.CanvasPoint();
    double engineSeconds = 0, editorSeconds = 0, engineCpu = 0, editorCpu = 0, frames = 0, presents = 0;
    for (auto _ : state) {
        engineField.RestoreField();
        Clock::time_point start = Clock::now();
        double cpuStart = ThreadCpuSeconds();
        operation.engine(engineField);
        engineCpu += ThreadCpuSeconds() - cpuStart;
        engineSeconds += Seconds(start);

        editor.Window().Document().field().RestoreField();
        editor.platform.QueuePress(at.x, at.y);
        editor.Settle();
        int presentsBefore = editor.platform.PresentCount();
        start = Clock::now();
        cpuStart = ThreadCpuSeconds();
        editor.platform.QueueRelease(at.x, at.y);
        editor.Settle();
        editorCpu += ThreadCpuSeconds() - cpuStart;
        double elapsed = Seconds(start);
        state.SetIterationTime(elapsed);
        editorSeconds += elapsed;
        frames += elapsed * 1000.0 / kDisplayFrameMs + 1;
        presents += editor.platform.PresentCount() - presentsBefore;
    }
    state.counters["ratio"] = editorSeconds / engineSeconds;
    state.counters["ratio_cpu"] = editorCpu / engineCpu;
    state.counters["engine_ms"] = engineSeconds * 1000.0 / double(state.iterations());
    state.counters["presents_per_frame"] = presents / frames;
}

void ChooseRadius(KnollOperationDialogs& dialogs, int radius) {
    dialogs.Smooth().PutValue(kSmoothSpinnerId, 2 * radius + 1, StateValue);
    dialogs.Smooth().OnDialogCommand(kSmoothSpinnerId, 2 * radius + 1, ctSpinner);
}

void BM_SmoothRadius1(benchmark::State& state) {
    RunBoth(state, {DialogKind::Smooth, [](KnollOperationDialogs& d) { ChooseRadius(d, 1); },
                    [](HeightField& f) { RunOperation(Operation::Smooth, f, {.radius = 1}); }});
}

void BM_SmoothRadius10(benchmark::State& state) {
    RunBoth(state, {DialogKind::Smooth, [](KnollOperationDialogs& d) { ChooseRadius(d, 10); },
                    [](HeightField& f) { RunOperation(Operation::Smooth, f, {.radius = 10}); }});
}

void BM_Roughen(benchmark::State& state) {
    RunBoth(state, {DialogKind::Rough, [](KnollOperationDialogs&) {},
                    [](HeightField& f) { RunOperation(Operation::Rough, f, {.valueText = "16", .seed = 7}); }});
}

void BM_Inverse(benchmark::State& state) {
    RunBoth(state, {DialogKind::Wacks,
                    [](KnollOperationDialogs& d) { d.Wacks().OnDialogCommand(kWacksInverseId, 1, ctToggleButton); },
                    [](HeightField& f) { RunOperation(Operation::Inverse, f, {}); }});
}

// Left to right writes the half beyond the view, right to left the half in it.
void BM_MirrorLeftToRight(benchmark::State& state) {
    RunBoth(state, {DialogKind::Tiles,
                    [](KnollOperationDialogs& d) { d.Tiles().OnDialogCommand(kTileLeftToRightId, 1, ctToggleButton); },
                    [](HeightField& f) { RunOperation(Operation::MirrorLR, f, {}); }});
}

void BM_MirrorRightToLeft(benchmark::State& state) {
    RunBoth(state, {DialogKind::Tiles,
                    [](KnollOperationDialogs& d) { d.Tiles().OnDialogCommand(kTileRightToLeftId, 1, ctToggleButton); },
                    [](HeightField& f) { RunOperation(Operation::MirrorRL, f, {}); }});
}

// The resident memory now and its peak since it was last reset, in bytes.
struct Resident {
    double now = 0;
    double peak = 0;
};

Resident ReadResident() {
    std::ifstream status("/proc/self/status");
    Resident resident;
    for (std::string line; std::getline(status, line);) {
        std::istringstream fields(line);
        std::string name;
        double kib = 0;
        fields >> name >> kib;
        if (name == "VmRSS:") resident.now = kib * 1024;
        if (name == "VmHWM:") resident.peak = kib * 1024;
    }
    return resident;
}

void ResetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Erode after an edit that was not kept, from the press to the history's record of it:
// the peak of resident memory above what the editor held before, in copies of the
// field in floating point (erosion's working copy). The history holds the field before
// the step already.
void BM_ErodeMemory(benchmark::State& state) {
    Editor& editor = TheEditor();
    KnollCmdWindow& window = editor.Window();
    window.OnCommand(DialogRecordOf(DialogKind::Erode).toggleId, 1, ctToggleButton);
    KnollOperationDialog& erode = window.OperationDialogs().Dialog(DialogKind::Erode);
    erode.OnDialogCommand(kErodeSlumpId, 1, ctToggleButton);
    erode.PutText(kErodeValueId, "2");
    editor.Settle();
    const vPoint at = editor.CanvasPoint();
    double copies = 0;
    for (auto _ : state) {
        window.Document().Run(Operation::Inverse, {});
        window.Document().SettleHistory();
        editor.Settle();
        ResetPeakResident();
        const double before = ReadResident().now;
        editor.platform.QueuePress(at.x, at.y);
        editor.platform.QueueRelease(at.x, at.y);
        editor.Settle();
        window.Document().SettleHistory();
        copies = std::max(copies, (ReadResident().peak - before) / (double(kSide) * kSide * sizeof(float)));
    }
    state.counters["peak_float_copies"] = copies;
}

}  // namespace

BENCHMARK(BM_ErodeMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SmoothRadius1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_SmoothRadius10)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_Roughen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_Inverse)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_MirrorLeftToRight)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_MirrorRightToLeft)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
