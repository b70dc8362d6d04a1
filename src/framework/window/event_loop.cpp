#include "framework/window/event_loop.h"

#include "framework/window/app.h"

void vEventLoop::Run() {
    while (app_.IsInitialised() && !ended_) {
        if (Pump(true, nullptr) != PumpResult::Exhausted) continue;
        app_.FrameCloseRequested();
        End(0);
    }
}

void vEventLoop::PumpUntilIdle() {
    if (app_.IsInitialised() && !ended_) Pump(false, nullptr);
}

vEventLoop::PumpResult vEventLoop::Pump(bool block, const std::function<bool()>& until) {
    vFrame& frame = app_.Frame();
    vPlatform& platform = *app_.Platform();
    for (;;) {
        if (ended_ || !frame.Exists() || (abandoning_ && modalDepth_ > 0)) return PumpResult::Ended;
        if (until && until()) return PumpResult::Idle;
        if (modalDepth_ == 0 && (deferredClose_ || !deferredDrops_.empty())) {
            RunDeferredRequests();
            continue;
        }
        vPlatformEvent event;
        vWaitResult got = platform.NextEvent(event, 0);
        if (got == vWaitResult::Event) {
            frame.Dispatch(event);
            // A steady stream of input must not keep the screen from being updated.
            if (platform.FrameInterval() > 0 && frame.MsUntilPresent() == 0) HandleIdle();
            continue;
        }
        HandleIdle();
        if (ended_) return PumpResult::Ended;
        if (until && until()) return PumpResult::Idle;
        if (got == vWaitResult::Exhausted) return PumpResult::Exhausted;
        if (!block) return PumpResult::Idle;
        got = platform.NextEvent(event, frame.MsUntilPresent());
        if (got == vWaitResult::Event) frame.Dispatch(event);
        if (got == vWaitResult::Exhausted) return PumpResult::Exhausted;
    }
}

// Repaints wait until the queue is empty, as the OS would send them last.
void vEventLoop::HandleIdle() {
    vFrame& frame = app_.Frame();
    frame.PaintPending(true);
    if (frame.MsUntilPresent() == 0) frame.PresentNow();
}

// The run holds its box by a reference that tells when the box is gone: a box taken
// out of the frame, or destroyed, by an event of its own run ends the run.
bool vEventLoop::RunModal(vView* box, const std::function<bool()>& ended) {
    vFrame& frame = app_.Frame();
    if (!app_.IsInitialised() || ended_ || abandoning_ || !frame.Exists()) return false;
    if (!frame.PushModal(box)) return false;
    vViewRef held(box);
    auto over = [&] {
        vView* shown = held.Get();
        return !shown || shown->Frame() != &frame || ended();
    };
    ++modalDepth_;
    PumpResult result = Pump(true, over);
    --modalDepth_;
    if (!held.Get()) return false;
    frame.PopModal(box);
    return result == PumpResult::Idle && ended();
}

void vEventLoop::End(int exitCode) {
    if (ended_) return;
    ended_ = true;
    exitCode_ = exitCode;
}

bool vEventLoop::DeferClose() {
    if (modalDepth_ == 0) return false;
    deferredClose_ = true;
    return true;
}

bool vEventLoop::DeferDrop(const std::vector<std::string>& paths, int x, int y) {
    if (modalDepth_ == 0) return false;
    deferredDrops_.push_back({paths, x, y});
    return true;
}

// Quit never runs inside the command that opened a notice or dialog.
void vEventLoop::RunDeferredRequests() {
    std::vector<Drop> drops = std::move(deferredDrops_);
    deferredDrops_.clear();
    for (const Drop& drop : drops) app_.FilesDropped(drop.paths, drop.x, drop.y);
    if (deferredClose_) {
        deferredClose_ = false;
        app_.FrameCloseRequested();
    }
}
