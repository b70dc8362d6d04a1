#pragma once

#include <functional>

#include "framework/draw/geometry.h"

class vDC;

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

// The one scroll bar of the framework, without a view of its own: it paints itself in
// an area of its owner's surface and reads the owner's pointer input there. Positions
// run from 0 to the range (100 unless set): shown is the thumb's share of the track,
// top where it stands. The owner repeats a held arrow or page area by calling Repeat
// on its own clock, and repaints after every call that takes input.
class vScrollTrack {
public:
    using Listener = std::function<void(vScrollAction action, int position)>;

    vScrollTrack(bool horizontal, Listener listener);

    // Where the bar is, in the owner's coordinates; its thickness is the arrows' size.
    void SetArea(const vRect& area) { area_ = area; }
    const vRect& Area() const { return area_; }
    void SetRange(int range);
    int Range() const { return range_; }
    void SetValues(int shown, int top);
    int Shown() const { return shown_; }
    int Top() const { return top_; }
    bool IsHorizontal() const { return horizontal_; }
    // A disabled bar has gray arrows, no thumb, and ignores the pointer.
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    void Paint(vDC& dc) const;

    // ---- Input (owner's coordinates) -----------------------------------------------------
    // A button went down; true when it started a press that the owner should follow
    // (capture the pointer, repeat on its clock).
    bool Press(int button, int x, int y);
    void Move(int x, int y);
    void Release();
    // The owner lost the pointer: no repeat, no thumb position to report.
    void Cancel();
    bool IsPressed() const { return pressed_ != Part::None; }
    // An arrow or page area is held, so the owner's clock should call Repeat.
    bool IsRepeating() const { return IsPressed() && pressed_ != Part::Thumb; }
    // One action of the held arrow or page area, while the pointer stays on it.
    void Repeat();

    // ---- Geometry along the bar, in pixels from its start --------------------------------
    int Thickness() const { return horizontal_ ? area_.h : area_.w; }
    int Length() const { return horizontal_ ? area_.w : area_.h; }
    int TrackStart() const { return Thickness(); }
    int TrackLength() const;
    int ThumbLength() const;
    int ThumbStart() const;  // at the current top, or where it is being dragged
    // The position that a thumb starting at pixel offset start stands for.
    int PositionAt(int start) const;

private:
    enum class Part { None, StartArrow, EndArrow, PageStart, PageEnd, Thumb };
    Part PartAt(int along) const;
    int Along(int x, int y) const { return horizontal_ ? x - area_.x : y - area_.y; }
    bool Inside(int x, int y) const;
    void PaintArrow(vDC& dc, int at, bool towardsEnd, bool pressed) const;
    void Box(vDC& dc, int at, int length, bool bevel, bool pressed) const;

    bool horizontal_;
    Listener listener_;
    vRect area_;
    int range_ = 100;
    int shown_ = 100;
    int top_ = 0;
    bool enabled_ = true;
    Part pressed_ = Part::None;
    bool pointerInPressed_ = false;
    int lastAlong_ = 0;
    int dragOffset_ = 0;
    int dragStart_ = -1;  // thumb start while dragging, -1 otherwise
};
