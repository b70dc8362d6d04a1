#include "framework/canvas/scroll_bar.h"

#include "framework/window/app.h"

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 50;

}  // namespace

vScrollBar::vScrollBar(bool horizontal, Listener listener) : track_(horizontal, std::move(listener)) {}

vScrollBar::~vScrollBar() = default;

void vScrollBar::SetValues(int shown, int top) {
    track_.SetValues(shown, top);
    Invalidate();
}

const vScrollTrack& vScrollBar::Synced() const {
    track_.SetArea({0, 0, Bounds().w, Bounds().h});
    return track_;
}

void vScrollBar::Paint() {
    vViewDC dc(*this);
    Synced().Paint(dc);
}

bool vScrollBar::HandleInput(const vPlatformEvent& event) {
    Synced();
    switch (event.kind) {
        case vEventKind::ButtonDown:
            if (track_.Press(event.button, event.x, event.y)) {
                if (vApp* app = App()) app->Frame().CapturePointer(this);
                repeatCount_ = 0;
                if (track_.IsRepeating()) repeat_.StartTimer(kFirstRepeatMs);
                Invalidate();
            }
            return true;
        case vEventKind::PointerMove:
            if (track_.IsPressed()) {
                track_.Move(event.x, event.y);
                Invalidate();
            }
            return true;
        case vEventKind::ButtonUp:
            if (event.button == 1 && track_.IsPressed()) Release();
            return true;
        default: return false;
    }
}

void vScrollBar::Release() {
    repeat_.StopTimer();
    if (vApp* app = App()) app->Frame().ReleasePointer(this);
    track_.Release();
    Invalidate();
}

void vScrollBar::OnCaptureLost() {
    if (!track_.IsPressed()) return;
    track_.Cancel();
    repeat_.StopTimer();
    Invalidate();
}

void vScrollBar::RepeatTimer::OnTimerTick() {
    if (bar_.repeatCount_++ == 0) StartTimer(kRepeatMs);
    bar_.Synced();
    bar_.track_.Repeat();
}
