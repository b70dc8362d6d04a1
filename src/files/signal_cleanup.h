#pragma once

#include <csignal>

// While one lives, a signal that would end the process (SIGINT, SIGTERM, SIGHUP and
// the others sent from outside) first removes the named file, then ends the process
// with the signal's usual status, so an interrupted save leaves no temporary file
// behind; and SIGXFSZ is ignored, so a file size limit fails the write instead. A signal
// that the process already handles or ignores is left alone, and only one file is
// guarded at a time: the program never writes two at once.
class SignalCleanup {
public:
    explicit SignalCleanup(const char* path);
    ~SignalCleanup();
    SignalCleanup(const SignalCleanup&) = delete;
    SignalCleanup& operator=(const SignalCleanup&) = delete;

private:
    bool guarding_ = false;
};

// Holds those signals back while it lives, so that a file can be made and its
// SignalCleanup set up with no signal in between; a held signal arrives at its end.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_;
};
