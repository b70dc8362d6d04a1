#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "framework/platform/headless/headless_platform.h"

// The headless backend with a display frame of 16 ms on the real clock, so the editor
// presents as a screen would; each frame presented is handed to `presented` when set.
class DisplayRatePlatform : public vHeadlessPlatform {
public:
    static constexpr int kDisplayFrameMs = 16;

    int FrameInterval() const override { return kDisplayFrameMs; }
    uint64_t NowMs() const override {
        return uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count());
    }
    void Present(const Raster& frame) override {
        vHeadlessPlatform::Present(frame);
        if (presented) presented(frame);
    }

    std::function<void(const Raster&)> presented;

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point start_ = Clock::now();
};
