#include <cstdio>

#include "framework/window/app.h"
#include "framework/window/message_box.h"
#include "framework/window/timer.h"
#include "framework/window/window.h"

namespace {

// The timer whose ticks run the idle-work hooks.
class vAppWorkTimer : public vTimer {
public:
    explicit vAppWorkTimer(vApp& app) : app_(app) {}
    void OnTimerTick() override {
        app_.OnIdleWork();
        std::vector<vWindowRegistry::Registration> entries = app_.Registry().Entries();
        for (const auto& entry : entries) entry.window->OnIdleWork();
    }

private:
    vApp& app_;
};

}  // namespace

int vApp::StartPlatformTimer(vTimer* timer, int milliseconds) {
    if (!platform_ || !frame_.Exists() || finished_) return 0;
    int id = platform_->StartTimer(milliseconds);
    if (id != 0) timers_[id] = timer;
    return id;
}

// Timers that outlive the application must not reach it.
void vApp::StopAllTimers() {
    std::map<int, vTimer*> running = std::move(timers_);
    timers_.clear();
    for (const auto& [id, timer] : running) {
        if (platform_ && frame_.Exists()) platform_->StopTimer(id);
        timer->Forget();
    }
}

void vApp::StopPlatformTimer(int timerId) {
    if (timers_.erase(timerId) && platform_ && frame_.Exists()) platform_->StopTimer(timerId);
}

// A tick may still be queued for a timer that stopped since; it finds no owner.
void vApp::TimerFired(int timerId) {
    auto found = timers_.find(timerId);
    if (found != timers_.end()) found->second->OnTimerTick();
}

int vApp::StartWorkTimer(int milliseconds) {
    StopWorkTimer();
    auto timer = std::make_unique<vAppWorkTimer>(*this);
    if (!timer->StartTimer(milliseconds)) return 0;
    workTimer_ = std::move(timer);
    return 1;
}

void vApp::StopWorkTimer() { workTimer_.reset(); }

void vApp::ShowWarning(const char* text) {
    std::string message = text ? text : "";
    if (!platform_ || !frame_.Exists() || IsLoopEnded()) {
        std::fprintf(stderr, "%s: %s\n", vWarningBox::kCaption, message.c_str());
        return;
    }
    vModalRequest request;
    request.kind = vModalRequest::Kind::Warning;
    request.title = vWarningBox::kCaption;
    request.text = message;
    vModalAnswer answer;
    if (platform_->AnswerModal(request, answer)) return;
    vWarningBox box(message);
    box.Run(*this);
}
