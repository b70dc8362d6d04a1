#pragma once

#include "core/height_field.h"
#include "framework/window/app.h"
#include "framework/window/timer.h"
#include "map/reduced_field.h"

// Brings the reduced copy up to date in the program's idle time, a slice on each timer
// tick, so that the first zoom-out after a load, or after operations at a scale that does
// not use the copy, finds it made.
class KnollIdleReduction : public vTimer {
public:
    KnollIdleReduction(KnollReducedField& reduced, const HeightField& field) : reduced_(reduced), field_(field) {}

    // Starts the ticks, unless they run already or the program's loop does not run.
    void Begin(vApp* app);
    void OnTimerTick() override;

private:
    KnollReducedField& reduced_;
    const HeightField& field_;
};
