#pragma once

#include <functional>

#include "framework/window/timer.h"

// Repeats an action while the pointer holds a control down (a spinner arrow, a
// scroll arrow): after a short delay, then at a steady pace.
class vHoldRepeater : public vTimer {
public:
    static constexpr int kTickMs = 50;
    static constexpr int kDelayTicks = 8;

    explicit vHoldRepeater(std::function<void()> action) : action_(std::move(action)) {}

    void Start();
    void Stop() { StopTimer(); }
    void OnTimerTick() override;

private:
    std::function<void()> action_;
    int ticks_ = 0;
};
