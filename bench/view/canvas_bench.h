#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench/field_maker.h"
#include "framework/platform/headless/headless_platform.h"
#include "framework/window/app.h"
#include "framework/window/cmd_window.h"
#include "view/knoll_canvas_pane.h"

// The editor's canvas in a 1920 x 1080 frame looking at a large field, shared by the
// canvas benchmarks. Benchmarks with a "map" argument run with the View toggles Height
// Colours and Relief off (0) and on (1), to be compared in one run.

inline constexpr int kScreenWidth = 1920;
inline constexpr int kScreenHeight = 1080;
inline constexpr int kSide = 4096;
inline constexpr double kDisplayFrameMs = 1000.0 / 60;

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start) {
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
    void ShowPosition(int, int, int height, bool) override { benchmark::DoNotOptimize(height); }
};


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
    explicit CanvasBench(int kind, int interval = 0, int side = kSide) : session(interval), canvas(&owner, document) {
        auto* window = new vCmdWindow("Bench", kScreenWidth, kScreenHeight);
        session.app.OpenAppWindow(window, "Bench", kScreenWidth, kScreenHeight, nullptr);
        window->AddPane(&canvas);
        session.app.ShowFrame(vFrameShow::Maximized);
        FillRandom(document.field(), side, kind);
        canvas.UpdateScrollBars();
        canvas.RefreshView();
        session.app.PumpUntilIdle();
    }

    void Pump() { session.app.PumpUntilIdle(); }
    // Both View toggles, Height Colours and Relief, when `on`.
    void ShowMap(bool on) {
        MapChoices choices;
        choices.heightColours = choices.relief = on;
        canvas.SetMapChoices(choices);
        Pump();
    }
    int Presents() const { return session.platform.PresentCount(); }

    Session session;
    NullOwner owner;
    FieldDocument document;
    KnollCanvasPane canvas;
};

// The fastest of each side, so that a burst of load elsewhere on the machine during one
// run does not decide the ratio.
struct Fastest {
    double ms = 1e300;
    void Take(double value) { ms = std::min(ms, value); }
};

// Times of single steps, reported in display frames: the median, and the slowest,
// since a shared machine may stall any one of them.
class FrameTimes {
public:
    void Take(Clock::time_point start) { ms_.push_back(MsSince(start)); }
    void Report(benchmark::State& state, const std::string& what) {
        std::sort(ms_.begin(), ms_.end());
        state.counters["median_" + what + "_in_frames"] = ms_[ms_.size() / 2] / kDisplayFrameMs;
        state.counters["slowest_" + what + "_in_frames"] = ms_.back() / kDisplayFrameMs;
    }

private:
    std::vector<double> ms_;
};
