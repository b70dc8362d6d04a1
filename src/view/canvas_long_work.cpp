#include <string>

#include "framework/window/app.h"
#include "view/knoll_canvas_pane.h"

// An operation runs inside the release that started it. Long work hands the events
// queued meanwhile to the canvas alone, now and then, so the view and the message field
// keep up and Escape can stop it; no other command can start while it runs.

void KnollCanvasPane::RunArmedOperation(int area) {
    if (!owner_) return;
    working_ = true;
    stopAsked_ = false;
    shownPercent_ = -1;
    owner_->RunArmedOperation(area);
    working_ = false;
}

void KnollCanvasPane::Progress(int64_t done, int64_t total) {
    if (!owner_) return;
    if (!working_) {
        owner_->ShowProgress(done, total);
        return;
    }
    if (total <= 0) return;
    const int percent = int(done * 100 / total);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    owner_->ShowWorkDone(percent);
}

bool KnollCanvasPane::StopRequested() {
    if (!working_) return false;
    // A loop that ends (the program is closing) stops the work too.
    if (!App() || !App()->Loop().PumpModal(this)) stopAsked_ = true;
    return stopAsked_;
}

bool KnollCanvasPane::HandleInput(const vPlatformEvent& event) {
    if (!working_) return vCanvasPane::HandleInput(event);
    if (event.kind == vEventKind::KeyDown && event.key == vKeyEscape) stopAsked_ = true;
    return true;
}

vCursorShape KnollCanvasPane::Cursor() const { return working_ ? vCursorShape::Wait : vCanvasPane::Cursor(); }
