#pragma once

#include <cstdint>

// SIGINT, SIGTERM and SIGHUP (a closed terminal, a logout) become one event that asks
// the program to end, delivered through SDL's queue even while the program waits in a
// notice. Start runs before SDL starts any thread of its own: the signals are then held
// in every thread, and one thread of this file waits for them. A signal that the
// process ignored when it started (nohup) stays ignored; a second signal ends the
// program at once, as an uncaught one would, through the handler of a save in
// progress if there is one.
namespace vEndSignals {

// The SDL event type of the request, or 0 when no signal is watched.
uint32_t Start();

}  // namespace vEndSignals
