#pragma once

#include <functional>
#include <string>
#include <vector>

class vApp;
class vView;

// The application's event loop and the modal loops nested in it. Requests for the
// frame that arrive while a modal loop runs (a close, dropped files) wait until it ends.
class vEventLoop {
public:
    explicit vEventLoop(vApp& app) : app_(app) {}
    vEventLoop(const vEventLoop&) = delete;
    vEventLoop& operator=(const vEventLoop&) = delete;

    // Runs until the loop ends. When the platform has nothing more to deliver (a
    // headless script ran out) it is as if the user closed the frame.
    void Run();
    // Handles every queued event, repaints, composes and presents; returns when the
    // platform has nothing more to deliver or the loop has ended.
    void PumpUntilIdle();
    // Runs a nested loop until ended() is true, with input going only to box and what
    // lies above it. False when the loop was abandoned (the event loop ended, the
    // platform has nothing more to deliver, or box left the frame before ended()).
    bool RunModal(vView* box, const std::function<bool()>& ended);
    int ModalDepth() const { return modalDepth_; }

    // Ends the loop (and any modal run inside it) with this exit code; the first call
    // decides.
    void End(int exitCode);
    bool IsEnded() const { return ended_; }
    int ExitCode() const { return exitCode_; }

    // Every modal run, open or still to come, ends at once as abandoned; the program is
    // about to end.
    void AbandonModalRuns() { abandoning_ = true; }
    bool IsAbandoning() const { return abandoning_; }

    // During a modal run: keeps a close or a drop for when the run ends, and says so.
    bool DeferClose();
    bool DeferDrop(const std::vector<std::string>& paths, int x, int y);

private:
    enum class PumpResult { Ended, Idle, Exhausted };
    PumpResult Pump(bool block, const std::function<bool()>& until);
    void HandleIdle();
    void RunDeferredRequests();

    struct Drop {
        std::vector<std::string> paths;
        int x, y;
    };

    vApp& app_;
    bool ended_ = false;
    int exitCode_ = 0;
    int modalDepth_ = 0;
    bool deferredClose_ = false;
    bool abandoning_ = false;
    std::vector<Drop> deferredDrops_;
};
