#include "framework/platform/sdl/end_signals.h"

#include <SDL.h>
#include <pthread.h>

#include <csignal>
#include <thread>

namespace {

constexpr int kEndSignals[] = {SIGINT, SIGTERM, SIGHUP};

bool IsAtDefault(int signal) {
    struct sigaction current;
    return sigaction(signal, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
           current.sa_handler == SIG_DFL;
}

// A save in progress catches the signal for as long as it writes, to remove its
// temporary file before the program ends; otherwise the signal's default ends it.
void EndAsUncaught(int signal) {
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, signal);
    pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    raise(signal);
    std::signal(signal, SIG_DFL);
    raise(signal);
}

void WatchSignals(sigset_t watched, uint32_t eventType) {
    int signal = 0;
    if (sigwait(&watched, &signal) != 0) return;
    SDL_Event event{};
    event.type = eventType;
    SDL_PushEvent(&event);
    if (sigwait(&watched, &signal) == 0) EndAsUncaught(signal);
}

}  // namespace

uint32_t vEndSignals::Start() {
    static uint32_t eventType = 0;
    if (eventType != 0) return eventType;
    sigset_t watched;
    sigemptyset(&watched);
    for (int signal : kEndSignals) {
        if (IsAtDefault(signal)) sigaddset(&watched, signal);
    }
    // SDL would turn two of them into a quit that waits for open notices.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sigisemptyset(&watched)) return 0;
    uint32_t type = SDL_RegisterEvents(1);
    if (type == uint32_t(-1)) return 0;
    pthread_sigmask(SIG_BLOCK, &watched, nullptr);
    std::thread(WatchSignals, watched, type).detach();
    eventType = type;
    return eventType;
}
