#include "view/idle_reduction.h"

#include <algorithm>

#include "view/idle_call.h"

namespace {

// About a million positions a tick: well under a display frame, so input and painting
// go on between the slices.
constexpr int kPositionsPerTick = 1 << 20;

}  // namespace

void KnollIdleReduction::Begin(vApp* app) {
    if (IsRunning()) return;
    if (IdleTicksCome(app)) StartTimer(1);
}

void KnollIdleReduction::OnTimerTick() {
    const int rows = std::max(kPositionsPerTick / (4 * std::max(field_.width(), 1)), 1);
    if (reduced_.UpdateSome(field_, rows)) StopTimer();
}
