#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "framework/canvas/canvas_pane.h"
#include "framework/draw/memory_dc.h"
#include "framework/platform/headless/headless_platform.h"
#include "framework/window/app.h"
#include "framework/window/cmd_window.h"

// A full-screen frame whose canvas looks at a 4096 x 4096 field, the size of the
// largest fields the editor works on. The display frame is 4 ms at most of it.

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kFieldSide = 4096;

// A canvas that shows the field from (left, top) onwards, as the editor's view does.
class FieldCanvas : public vCanvasPane {
public:
    FieldCanvas() : field_(kFieldSide, kFieldSide) {
        std::vector<vColor> row(kFieldSide);
        for (int y = 0; y < kFieldSide; ++y) {
            for (int x = 0; x < kFieldSide; ++x) row[size_t(x)] = vColor::FromPixel(uint32_t(x * 7 + y * 13) & 0xFFFFFF);
            field_.PaintPixelStrip(0, y, kFieldSide, row.data());
        }
    }

    void OnRedraw(int, int, int, int) override { RefreshView(); }

    // Copies the visible part of the field onto the pane.
    void RefreshView() { BlitFrom(&field_, 0, 0, left_, top_, PaneWidth(), PaneHeight()); }

    void ScrollTo(int left, int top) {
        left_ = left;
        top_ = top;
    }
    vMemoryDC& Field() { return field_; }

private:
    vMemoryDC field_;
    int left_ = 0;
    int top_ = 0;
};

// The application started on the headless backend, its one window filling the frame.
struct FullScreenSession {
    FullScreenSession() : platform(kScreenWidth, kScreenHeight), app("Bench", 1, kScreenWidth - 20, kScreenHeight - 20) {
        const char* argv[] = {"bench"};
        app.Start(platform, 1, argv, nullptr);
        int windowHeight = kScreenHeight - vFrame::kMenuBarHeight;
        window = new vCmdWindow("Field", kScreenWidth, windowHeight);
        app.OpenAppWindow(window, "Field", kScreenWidth, windowHeight, nullptr);
        window->AddPane(&canvas);
        canvas.ShowHScroll(1);
        canvas.ShowVScroll(1);
        app.PumpUntilIdle();
    }
    ~FullScreenSession() { app.Finish(); }

    vHeadlessPlatform platform;
    vApp app;
    vCmdWindow* window = nullptr;
    FieldCanvas canvas;
};

void CheckFullFrame(benchmark::State& state, FullScreenSession& s) {
    if (s.app.Frame().Width() != kScreenWidth || s.app.Frame().Height() != kScreenHeight) {
        state.SkipWithError("the frame did not get the full screen");
    }
}

// Where the view stands at the nth refresh: a diagonal walk through the field, so
// the rows come from memory as they do while the user scrolls.
int Offset(int n) { return (n % 64) * 16; }

// Composing the frame from its views and handing it to the platform.
void ComposeAndPresentFrame(benchmark::State& state) {
    FullScreenSession s;
    CheckFullFrame(state, s);
    for (auto _ : state) {
        s.app.Frame().RequestCompose();
        s.app.Frame().PresentNow();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kScreenWidth * kScreenHeight * 4);
}
BENCHMARK(ComposeAndPresentFrame)->Unit(benchmark::kMillisecond);

// Each run shows another part of the field, so no refresh finds the view unchanged.
void ScrollAndRefresh(FullScreenSession& s, int n) {
    s.canvas.ScrollTo(Offset(n), Offset(n));
    s.canvas.RefreshView();
}

// What a scroll costs until the user sees it: the view copied anew, then the frame.
void ScrollRefreshAndPresentFrame(benchmark::State& state) {
    FullScreenSession s;
    CheckFullFrame(state, s);
    int n = 0;
    for (auto _ : state) {
        ScrollAndRefresh(s, ++n);
        s.app.Frame().PresentNow();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kScreenWidth * kScreenHeight * 4);
}
BENCHMARK(ScrollRefreshAndPresentFrame)->Unit(benchmark::kMillisecond);

// A refresh of the whole view onto the canvas surface...
void CanvasRefreshWholeView(benchmark::State& state) {
    FullScreenSession s;
    CheckFullFrame(state, s);
    int n = 0;
    for (auto _ : state) {
        ScrollAndRefresh(s, ++n);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * s.canvas.PaneWidth() * s.canvas.PaneHeight() * 4);
}
BENCHMARK(CanvasRefreshWholeView)->Unit(benchmark::kMillisecond);

// ...against copying the same rows of the same field into a buffer of the view's size.
void MemcpyWholeView(benchmark::State& state) {
    FullScreenSession s;
    CheckFullFrame(state, s);
    int width = s.canvas.PaneWidth(), height = s.canvas.PaneHeight();
    Raster& field = *s.canvas.Field().AcquireSurface();
    std::vector<uint32_t> view(size_t(width) * size_t(height));
    int n = 0;
    for (auto _ : state) {
        ++n;
        for (int row = 0; row < height; ++row) {
            std::memcpy(view.data() + size_t(row) * size_t(width), field.Row(Offset(n) + row) + Offset(n),
                        size_t(width) * sizeof(uint32_t));
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * width * height * 4);
}
BENCHMARK(MemcpyWholeView)->Unit(benchmark::kMillisecond);

}  // namespace
