#include "framework/window/timer.h"

#include <cstdio>

#include "framework/window/app.h"

vTimer::~vTimer() { StopTimer(); }

int vTimer::StartTimer(int milliseconds) {
    StopTimer();
    vApp* app = vApp::Instance();
    timerId_ = app ? app->StartPlatformTimer(this, milliseconds) : 0;
    if (timerId_ != 0) {
        app_ = app;
        return 1;
    }
    if (app) app->ShowWarning("Failed to create timer");
    else std::fprintf(stderr, "Failed to create timer\n");
    return 0;
}

void vTimer::StopTimer() {
    if (timerId_ == 0) return;
    if (app_) app_->StopPlatformTimer(timerId_);
    Forget();
}
