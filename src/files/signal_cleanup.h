#pragma once

// While one lives, SIGINT or SIGTERM first removes the named file, then ends the
// process with the signal's usual status, so an interrupted save leaves no temporary
// file behind. A signal that the process already handles or ignores is left alone, and
// only one file is guarded at a time: the program never writes two at once.
class SignalCleanup {
public:
    explicit SignalCleanup(const char* path);
    ~SignalCleanup();
    SignalCleanup(const SignalCleanup&) = delete;
    SignalCleanup& operator=(const SignalCleanup&) = delete;

private:
    bool guarding_ = false;
};
