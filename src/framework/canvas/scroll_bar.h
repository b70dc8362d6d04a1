#pragma once

#include <functional>

#include "framework/window/timer.h"
#include "framework/window/view.h"

// What the user did to a scroll bar.
enum class vScrollAction {
    StepBack,       // arrow towards the start
    StepForward,    // arrow towards the end
    PageBack,       // track between the start arrow and the thumb
    PageForward,    // track between the thumb and the end arrow
    ThumbTrack,     // thumb being dragged (position: where it is)
    ThumbPosition,  // thumb released (position: where it was let go)
    JumpStart,      // to the start (right button on the start arrow, or Home)
    JumpEnd,        // to the end (right button on the end arrow, or End)
    EndScroll,      // the button was released
};

// A scroll bar drawn by the framework, on the 0..100 scale: shown is the thumb's share
// of the track, top where it stands. Arrows and page areas repeat while held.
class vScrollBar : public vView {
public:
    static constexpr int kThickness = 16;
    using Listener = std::function<void(vScrollAction action, int position)>;

    vScrollBar(bool horizontal, Listener listener);
    ~vScrollBar() override;

    void SetValues(int shown, int top);
    int Shown() const { return shown_; }
    int Top() const { return top_; }
    bool IsHorizontal() const { return horizontal_; }

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnCaptureLost() override;

    // Geometry along the bar, in pixels from its start.
    int Length() const;
    int TrackStart() const { return kThickness; }
    int TrackLength() const;
    int ThumbLength() const;
    int ThumbStart() const;  // at the current top, or where it is being dragged
    // The 0..100 position that a thumb starting at pixel offset start stands for.
    int PositionAt(int start) const;

private:
    class RepeatTimer : public vTimer {
    public:
        explicit RepeatTimer(vScrollBar& bar) : bar_(bar) {}
        void OnTimerTick() override;

    private:
        vScrollBar& bar_;
    };

    enum class Part { None, StartArrow, EndArrow, PageStart, PageEnd, Thumb };
    Part PartAt(int along) const;
    int Along(const vPlatformEvent& event) const { return horizontal_ ? event.x : event.y; }
    void Press(Part part, int along);
    void Release();
    void Repeat();
    void DrawArrow(vViewDC& dc, int at, bool towardsEnd, bool pressed);

    bool horizontal_;
    Listener listener_;
    int shown_ = 100;
    int top_ = 0;
    Part pressed_ = Part::None;
    bool pointerInPressed_ = false;
    int lastAlong_ = 0;
    int dragOffset_ = 0;
    int dragStart_ = -1;  // thumb start while dragging, -1 otherwise
    RepeatTimer repeat_{*this};
    int repeatCount_ = 0;
};
