#include "files/signal_cleanup.h"

#include <pthread.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// Only what a signal handler may touch: a fixed buffer and flags.
char guardedPath[PATH_MAX];
volatile sig_atomic_t guarded = 0;
bool installed[kSignalCount];

// The handler resets itself on entry (SA_RESETHAND), so the raised signal, delivered
// once the handler returns, ends the process as if it had never been caught.
extern "C" void RemoveThenEnd(int signal) {
    if (guarded) unlink(guardedPath);
    raise(signal);
}

bool CatchesByDefault(int signal) {
    struct sigaction current;
    return sigaction(signal, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
           current.sa_handler == SIG_DFL;
}

}  // namespace

SignalCleanup::SignalCleanup(const char* path) {
    if (guarded || std::strlen(path) >= sizeof guardedPath) return;
    std::strcpy(guardedPath, path);
    guarded = 1;
    guarding_ = true;
    struct sigaction action{};
    action.sa_handler = RemoveThenEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kSignalCount; ++i) {
        installed[i] = CatchesByDefault(kSignals[i]) && sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

SignalCleanup::~SignalCleanup() {
    if (!guarding_) return;
    struct sigaction fallback{};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    for (int i = 0; i < kSignalCount; ++i) {
        if (installed[i]) sigaction(kSignals[i], &fallback, nullptr);
        installed[i] = false;
    }
    guarded = 0;
}

SignalsHeld::SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (int signal : kSignals) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

SignalsHeld::~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
