#include "files/signal_cleanup.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>

namespace {

// Every signal whose default ends the program and that another program or the
// system sends: Ctrl-C, a kill, a closed terminal, Ctrl-\, a timer, a CPU limit.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// Only what a signal handler may touch: a fixed buffer and flags. The handler may run
// on another thread than the save's (the editor waits for signals on one of its own),
// so the flag that publishes the path is an atomic.
char guardedPath[PATH_MAX];
std::atomic<bool> guarded = false;
static_assert(std::atomic<bool>::is_always_lock_free);
bool installed[kSignalCount];
bool fileSizeSignalIgnored = false;

void SetDisposition(int signal, void (*handler)(int)) {
    struct sigaction action{};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

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
    guarded = true;
    guarding_ = true;
    struct sigaction action{};
    action.sa_handler = RemoveThenEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) sigaddset(&action.sa_mask, signal);
    for (int i = 0; i < kSignalCount; ++i) {
        installed[i] = CatchesByDefault(kSignals[i]) && sigaction(kSignals[i], &action, nullptr) == 0;
    }
    // Past a file size limit a write then fails, and the save says so, instead of the
    // signal ending the program with the file half written.
    fileSizeSignalIgnored = CatchesByDefault(SIGXFSZ);
    if (fileSizeSignalIgnored) SetDisposition(SIGXFSZ, SIG_IGN);
}

SignalCleanup::~SignalCleanup() {
    if (!guarding_) return;
    for (int i = 0; i < kSignalCount; ++i) {
        if (installed[i]) SetDisposition(kSignals[i], SIG_DFL);
        installed[i] = false;
    }
    if (fileSizeSignalIgnored) SetDisposition(SIGXFSZ, SIG_DFL);
    fileSizeSignalIgnored = false;
    guarded = false;
}

SignalsHeld::SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (int signal : kSignals) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

SignalsHeld::~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
