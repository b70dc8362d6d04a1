#pragma once

#include <functional>
#include <utility>

#include "framework/window/app.h"
#include "framework/window/timer.h"

// Whether timer ticks can come: the program's loop runs with its frame.
inline bool IdleTicksCome(vApp* app) {
    return app && app->Platform() && app->Frame().Exists() && !app->IsLoopEnded();
}

// A call made once the program is idle again: timer ticks arrive only from the event
// loop, so the work that asked for the call has finished by then.
class KnollIdleCall : public vTimer {
public:
    explicit KnollIdleCall(std::function<void()> call) : call_(std::move(call)) {}

    // Asks for the call, unless it is asked for already or the program's loop does not run.
    void Begin(vApp* app) {
        if (IsRunning()) return;
        if (IdleTicksCome(app)) StartTimer(1);
    }
    void OnTimerTick() override {
        StopTimer();
        call_();
    }

private:
    std::function<void()> call_;
};
