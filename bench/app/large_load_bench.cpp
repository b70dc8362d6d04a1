#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/cmd_window_tables.h"
#include "app/knoll_app.h"
#include "app/knoll_cmd_window.h"
#include "document/field_document.h"
#include "bench/display_rate_platform.h"

// The editor opening an 8192 x 8192 16-bit PNG: from the Open command to the first frame
// presented that shows the file's top rows, against the display frame of a backend that
// presents every 16 ms on the real clock. Counters: first_rows_ms, display_frames (the
// same in display frames; the target is at most 1), load_s (the whole open), presents
// during it.
namespace {

constexpr int kSide = 8192;
constexpr int kDisplayFrameMs = DisplayRatePlatform::kDisplayFrameMs;

using Clock = std::chrono::steady_clock;

// The file's first position, as the canvas shows it at 1:1.
constexpr uint32_t kTopLeftPixel = 0x000000;

// Ridges, the first position 0.
void WriteLargePng(const std::string& path) {
    FieldDocument document;
    HeightField& field = document.field();
    field.ReplaceField(kSide, kSide);
    field.SetKind(kSixteenBitField);
    for (int y = 0; y < kSide; ++y) {
        uint32_t* row = field.working().MutableRowPixels(y);
        for (int x = 0; x < kSide; ++x) row[x] = field.ValueColor(((x * 7) ^ (y * 3)) & 0x7FFF).Pixel();
    }
    document.Export(path);
}

struct Editor {
    Editor() {
        folder = std::filesystem::temp_directory_path() / ("knoll-load-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        WriteLargePng(LargePath());
        const char* argv[] = {"knollwork"};
        app.Start(platform, 1, argv, AppMain);
        app.PumpUntilIdle();
        platform.AlwaysAnswer(vModalRequest::Kind::Notice, vModalAnswer{});
    }
    ~Editor() {
        app.Finish();
        std::filesystem::remove_all(folder);
    }
    std::string LargePath() const { return (folder / "large.png").string(); }
    KnollCmdWindow& Window() { return *app.MainWindow(); }

    std::filesystem::path folder;
    DisplayRatePlatform platform;
    KnollApp app;
};

void BM_FirstRowsOfALargePng(benchmark::State& state) {
    Editor editor;
    const vRect canvas = editor.Window().Canvas().Bounds();
    double firstRows = 0, load = 0, presents = 0;
    for (auto _ : state) {
        editor.Window().SetUndoKeep(0);
        const Clock::time_point start = Clock::now();
        Clock::time_point shown{};
        editor.platform.presented = [&](const Raster& frame) {
            if (shown == Clock::time_point{} && frame.At(canvas.x, canvas.y) == kTopLeftPixel) {
                shown = Clock::now();
            }
            ++presents;
        };
        editor.platform.ScriptAnswer(vModalRequest::Kind::OpenFile, {.confirmed = true, .path = editor.LargePath()});
        editor.Window().OnCommand(cmdOpen, 0, vMenuCommandType);
        load += std::chrono::duration<double>(Clock::now() - start).count();
        if (shown != Clock::time_point{}) firstRows += std::chrono::duration<double, std::milli>(shown - start).count();
        // Back to an empty field, so the next open starts from one.
        editor.Window().Document().field().ReplaceField(400, 400);
        editor.platform.presented = nullptr;
        editor.app.PumpUntilIdle();
    }
    const double runs = double(state.iterations());
    state.counters["first_rows_ms"] = firstRows / runs;
    state.counters["display_frames"] = firstRows / runs / kDisplayFrameMs;
    state.counters["load_s"] = load / runs;
    state.counters["presents"] = presents / runs;
}
BENCHMARK(BM_FirstRowsOfALargePng)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
