#include "app/work_progress.h"

#include "framework/controls/cmd.h"
#include "framework/menus/command_pane.h"
#include "framework/window/frame.h"

void KnollWorkProgress::Begin(const char* word) {
    const vCmd* field = bar_.FindControl(messageField_);
    before_ = field ? field->Text() : std::string();
    word_ = word;
    percent_ = -1;
    running_ = true;
    stepShown_ = false;
    Show(0, 1);
}

// The message changes at most a hundred times; the frame is offered every step, since
// a step may have drawn rows, and presents when a display frame has passed, but at once
// for the first step, so that what the work draws first shows without waiting.
void KnollWorkProgress::Show(int64_t done, int64_t total) {
    if (!running_) return;
    const int percent = total > 0 ? int(done * 100 / total) : 0;
    if (percent != percent_) {
        percent_ = percent;
        bar_.PutText(messageField_, (word_ + std::to_string(percent) + "%").c_str());
    }
    vFrame* frame = bar_.Frame();
    if (!frame) return;
    if (done > 0 && !stepShown_) {
        stepShown_ = true;
        frame->PresentDrawn();
    } else {
        frame->PresentIfDue();
    }
}

void KnollWorkProgress::End() {
    if (!running_) return;
    running_ = false;
    bar_.PutText(messageField_, before_.c_str());
}
