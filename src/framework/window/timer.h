#pragma once

class vApp;

// A periodic timer not bound to a window. Ticks arrive inside the event loop.
class vTimer {
public:
    vTimer() = default;
    vTimer(const vTimer&) = delete;
    vTimer& operator=(const vTimer&) = delete;
    virtual ~vTimer();

    // Stops a running timer, then asks for ticks every milliseconds. Returns 1, or 0
    // after the "Failed to create timer" warning when the platform refuses.
    int StartTimer(int milliseconds);
    void StopTimer();
    virtual void OnTimerTick() {}

    bool IsRunning() const { return timerId_ != 0; }
    int TimerId() const { return timerId_; }
    // The application stops its timers when it ends; they then belong to none.
    void Forget() {
        timerId_ = 0;
        app_ = nullptr;
    }

private:
    vApp* app_ = nullptr;  // the application that runs the timer, while it runs
    int timerId_ = 0;
};
