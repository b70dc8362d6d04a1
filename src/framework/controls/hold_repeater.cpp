#include "framework/controls/hold_repeater.h"

void vHoldRepeater::Start() {
    ticks_ = 0;
    StartTimer(kTickMs);
}

void vHoldRepeater::OnTimerTick() {
    if (++ticks_ > kDelayTicks) action_();
}
