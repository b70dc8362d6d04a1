#pragma once

#include <string>

#include "framework/window/timer.h"
#include "framework/window/view.h"

// The tip of a control, shown beside the pointer once it has rested on the control
// for a moment, and hidden when it moves off, a button is pressed, or after a while.
class vToolTip : public vView {
public:
    static constexpr int kRestMs = 600;
    static constexpr int kShowMs = 6000;

    vToolTip();
    ~vToolTip() override;

    // The pointer is at (frameX, frameY) of frame over a control whose tip is text
    // (empty: none). The tip shows in that frame.
    void PointerAt(vFrame& frame, const std::string& text, int frameX, int frameY);
    void Hide();
    bool IsShowing() const { return showing_; }
    const std::string& Text() const { return text_; }

    void Paint() override;
    // A tip never takes the pointer from what lies under it.
    bool HitTest(int, int) const override { return false; }

private:
    class Clock : public vTimer {
    public:
        explicit Clock(vToolTip& tip) : tip_(tip) {}
        void OnTimerTick() override { tip_.Tick(); }

    private:
        vToolTip& tip_;
    };

    void Tick();
    void Show();
    unsigned long long Now() const;

    vFrame* frame_ = nullptr;
    Clock clock_{*this};
    std::string text_;
    int x_ = 0;
    int y_ = 0;
    unsigned long long since_ = 0;
    bool showing_ = false;
};
