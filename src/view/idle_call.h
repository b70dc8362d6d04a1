#pragma once

#include <functional>
#include <utility>

#include "framework/window/app.h"
#include "framework/window/timer.h"

// A call made once the program is idle again: timer ticks arrive only from the event
// loop, so the work that asked for the call has finished by then.
class KnollIdleCall : public vTimer {
public:
    explicit KnollIdleCall(std::function<void()> call) : call_(std::move(call)) {}

    // Asks for the call, unless it is asked for already or the program's loop does not run.
    void Begin(vApp* app) {
        if (IsRunning()) return;
        if (app && app->Platform() && app->Frame().Exists() && !app->IsLoopEnded()) StartTimer(1);
    }
    void OnTimerTick() override {
        StopTimer();
        call_();
    }

private:
    std::function<void()> call_;
};
