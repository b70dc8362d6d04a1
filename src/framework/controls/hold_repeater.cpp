#include "framework/controls/hold_repeater.h"

#include "framework/window/app.h"

void vHoldRepeater::Start() {
    ticks_ = 0;
    if (vApp::Instance() && vApp::Instance()->Platform()) StartTimer(kTickMs);
}

void vHoldRepeater::OnTimerTick() {
    if (++ticks_ > kDelayTicks) action_();
}
