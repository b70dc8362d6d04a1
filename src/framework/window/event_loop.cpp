#include "framework/window/app.h"
#include "framework/window/window.h"

int vApp::Run() {
    while (initialised_ && !loopEnded_) {
        if (Pump(true, nullptr) != PumpResult::Exhausted) continue;
        // Nothing can ever arrive again (a headless script ran out): as if the user
        // closed the frame.
        FrameCloseRequested();
        if (!loopEnded_) EndEventLoop(0);
    }
    return Finish();
}

void vApp::PumpUntilIdle() {
    if (initialised_ && !loopEnded_) Pump(false, nullptr);
}

vApp::PumpResult vApp::Pump(bool block, const std::function<bool()>& until) {
    for (;;) {
        if (loopEnded_ || !frame_.Exists()) return PumpResult::Ended;
        if (until && until()) return PumpResult::Idle;
        if (modalDepth_ == 0 && deferred_.Any()) {
            RunDeferredRequests();
            continue;
        }
        vPlatformEvent event;
        vWaitResult got = platform_->NextEvent(event, 0);
        if (got == vWaitResult::Event) {
            frame_.Dispatch(event);
            // A steady stream of input must not keep the screen from being updated.
            if (platform_->FrameInterval() > 0 && frame_.MsUntilPresent() == 0) HandleIdle();
            continue;
        }
        HandleIdle();
        if (loopEnded_) return PumpResult::Ended;
        if (until && until()) return PumpResult::Idle;
        if (got == vWaitResult::Exhausted) return PumpResult::Exhausted;
        if (!block) return PumpResult::Idle;
        got = platform_->NextEvent(event, WaitTimeout());
        if (got == vWaitResult::Event) frame_.Dispatch(event);
        if (got == vWaitResult::Exhausted) return PumpResult::Exhausted;
    }
}

// Repaints wait until the queue is empty, as the OS would send them last.
void vApp::HandleIdle() {
    frame_.PaintPending(true);
    if (frame_.MsUntilPresent() == 0) frame_.PresentNow();
}

int vApp::WaitTimeout() const { return frame_.MsUntilPresent(); }

bool vApp::RunModal(vView* box, const std::function<bool()>& ended) {
    if (!initialised_ || loopEnded_ || !frame_.Exists()) return false;
    frame_.PushModal(box);
    ++modalDepth_;
    PumpResult result = Pump(true, ended);
    --modalDepth_;
    frame_.PopModal(box);
    return result == PumpResult::Idle;
}

void vApp::EndEventLoop(int exitCode) {
    if (loopEnded_) return;
    loopEnded_ = true;
    exitCode_ = exitCode;
}

int vApp::Finish() {
    if (finished_) return exitCode_;
    finished_ = true;
    StopWorkTimer();
    DeleteWindowsAtEnd();
    StopAllTimers();
    DestroyFrame();
    initialised_ = false;
    return exitCode_;
}

// The dead windows go first, then any window still registered (a loop ended by an
// error leaves them there).
void vApp::DeleteWindowsAtEnd() {
    while (!deadList_.empty()) delete deadList_.front();
    while (!registry_.empty()) {
        vWindow* window = registry_.front().window;
        if (window->IsBuilt()) window->Teardown();
        delete window;
    }
}
