#include "framework/canvas/scroll_bar.h"

#include <algorithm>

#include "framework/look/system_colors.h"
#include "framework/window/app.h"

namespace {

constexpr int kMinimumThumb = 8;
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 50;
constexpr vColor kTrack(224, 224, 224);

void Fill(vDC& dc, const vColor& color, int x, int y, int w, int h) {
    dc.UsePen(vPen(color));
    dc.UseBrush(vBrush(color));
    dc.PaintBox(x, y, w - 1, h - 1);
}

// A raised (or, pressed, flat) button face with 3-D edges.
void Bevel(vDC& dc, int x, int y, int w, int h, bool pressed) {
    Fill(dc, vColorButtonFace, x, y, w, h);
    if (pressed) {
        dc.UsePen(vPen(vColorButtonShadow));
        dc.UseBrush(vBrush(0, 0, 0, vTransparent));
        dc.PaintBox(x, y, w - 1, h - 1);
        return;
    }
    dc.UsePen(vPen(vColorButtonHighlight));
    dc.PaintLine(x, y + h - 1, x, y);
    dc.PaintLine(x, y, x + w - 1, y);
    dc.UsePen(vPen(vColorButtonShadow));
    dc.PaintLine(x + w - 2, y + 1, x + w - 2, y + h - 1);
    dc.PaintLine(x + 1, y + h - 2, x + w - 1, y + h - 2);
    dc.UsePen(vPen(vColorDarkShadow));
    dc.PaintLine(x + w - 1, y, x + w - 1, y + h);
    dc.PaintLine(x, y + h - 1, x + w, y + h - 1);
}

}  // namespace

vScrollBar::vScrollBar(bool horizontal, Listener listener)
    : horizontal_(horizontal), listener_(std::move(listener)) {}

vScrollBar::~vScrollBar() = default;

void vScrollBar::SetValues(int shown, int top) {
    shown_ = std::clamp(shown, 0, 100);
    top_ = std::clamp(top, 0, 100);
    Invalidate();
}

// ---- Geometry -------------------------------------------------------------------------------

int vScrollBar::Length() const { return horizontal_ ? Bounds().w : Bounds().h; }

int vScrollBar::TrackLength() const { return std::max(Length() - 2 * kThickness, 0); }

int vScrollBar::ThumbLength() const {
    int track = TrackLength();
    // Rounded up, so that a thumb at top = 100 - shown meets the end of the track.
    return std::min(std::max((track * shown_ + 99) / 100, kMinimumThumb), track);
}

// The platform bar's page rule: the thumb covers top to top + shown of the track, so it
// reaches the end when top = 100 - shown.
int vScrollBar::ThumbStart() const {
    if (dragStart_ >= 0) return dragStart_;
    int travel = TrackLength() - ThumbLength();
    return TrackStart() + std::min(TrackLength() * top_ / 100, travel);
}

int vScrollBar::PositionAt(int start) const {
    int travel = TrackLength() - ThumbLength();
    if (travel <= 0) return 0;
    int offset = std::clamp(start - TrackStart(), 0, travel);
    // A thumb widened to its minimum length still ends at the last position.
    if (offset == travel) return std::max(100 - shown_, 0);
    return std::min((offset * 100 + TrackLength() / 2) / TrackLength(), 100 - shown_);
}

vScrollBar::Part vScrollBar::PartAt(int along) const {
    if (along < 0 || along >= Length()) return Part::None;
    if (along < kThickness) return Part::StartArrow;
    if (along >= Length() - kThickness) return Part::EndArrow;
    int thumb = ThumbStart();
    if (along < thumb) return Part::PageStart;
    if (along < thumb + ThumbLength()) return Part::Thumb;
    return Part::PageEnd;
}

// ---- Drawing --------------------------------------------------------------------------------

void vScrollBar::Paint() {
    vViewDC dc(*this);
    int along = Length(), across = kThickness;
    auto box = [&](int at, int length, const vColor& color) {
        horizontal_ ? Fill(dc, color, at, 0, length, across) : Fill(dc, color, 0, at, across, length);
    };
    box(0, along, kTrack);
    bool pagePressed = pointerInPressed_ && (pressed_ == Part::PageStart || pressed_ == Part::PageEnd);
    if (pagePressed) {
        int thumb = ThumbStart();
        if (pressed_ == Part::PageStart) box(TrackStart(), thumb - TrackStart(), vColorDarkShadow);
        else box(thumb + ThumbLength(), along - kThickness - thumb - ThumbLength(), vColorDarkShadow);
    }
    if (TrackLength() >= kMinimumThumb) {
        int thumb = ThumbStart();
        horizontal_ ? Bevel(dc, thumb, 0, ThumbLength(), across, false)
                    : Bevel(dc, 0, thumb, across, ThumbLength(), false);
    }
    DrawArrow(dc, 0, false, pointerInPressed_ && pressed_ == Part::StartArrow);
    DrawArrow(dc, along - kThickness, true, pointerInPressed_ && pressed_ == Part::EndArrow);
}

void vScrollBar::DrawArrow(vViewDC& dc, int at, bool towardsEnd, bool pressed) {
    int x = horizontal_ ? at : 0, y = horizontal_ ? 0 : at;
    Bevel(dc, x, y, kThickness, kThickness, pressed);
    int cx = x + kThickness / 2 - 1 + (pressed ? 1 : 0), cy = y + kThickness / 2 - 1 + (pressed ? 1 : 0);
    int dir = towardsEnd ? 1 : -1;
    vPoint points[4];
    if (horizontal_) {
        points[0] = {cx + 2 * dir, cy};
        points[1] = {cx - 2 * dir, cy - 4};
        points[2] = {cx - 2 * dir, cy + 4};
    } else {
        points[0] = {cx, cy + 2 * dir};
        points[1] = {cx - 4, cy - 2 * dir};
        points[2] = {cx + 4, cy - 2 * dir};
    }
    points[3] = points[0];
    dc.UsePen(vPen(0, 0, 0));
    dc.UseBrush(vBrush(0, 0, 0));
    dc.PaintPolygon(4, points, vAlternate);
}

// ---- Input ----------------------------------------------------------------------------------

bool vScrollBar::HandleInput(const vPlatformEvent& event) {
    switch (event.kind) {
        case vEventKind::ButtonDown:
            if (event.button == 1 && pressed_ == Part::None) Press(PartAt(Along(event)), Along(event));
            if (event.button == 3) {
                Part part = PartAt(Along(event));
                if (part == Part::StartArrow) listener_(vScrollAction::JumpStart, 0);
                if (part == Part::EndArrow) listener_(vScrollAction::JumpEnd, 100);
            }
            return true;
        case vEventKind::PointerMove:
            if (pressed_ == Part::Thumb) {
                int travel = TrackLength() - ThumbLength();
                dragStart_ = std::clamp(Along(event) - dragOffset_, TrackStart(), TrackStart() + travel);
                listener_(vScrollAction::ThumbTrack, PositionAt(dragStart_));
                Invalidate();
            } else if (pressed_ != Part::None) {
                lastAlong_ = Along(event);
                bool inside = PartAt(Along(event)) == pressed_;
                if (inside != pointerInPressed_) Invalidate();
                pointerInPressed_ = inside;
            }
            return true;
        case vEventKind::ButtonUp:
            if (event.button == 1 && pressed_ != Part::None) Release();
            return true;
        default: return false;
    }
}

void vScrollBar::Press(Part part, int along) {
    if (part == Part::None) return;
    pressed_ = part;
    pointerInPressed_ = true;
    lastAlong_ = along;
    if (vApp* app = App()) app->Frame().CapturePointer(this);
    if (part == Part::Thumb) {
        dragOffset_ = along - ThumbStart();
        dragStart_ = ThumbStart();
    } else {
        repeatCount_ = 0;
        Repeat();
        if (pressed_ != Part::None) repeat_.StartTimer(kFirstRepeatMs);
    }
    Invalidate();
}

void vScrollBar::Release() {
    Part part = pressed_;
    pressed_ = Part::None;
    pointerInPressed_ = false;
    repeat_.StopTimer();
    if (vApp* app = App()) app->Frame().ReleasePointer(this);
    if (part == Part::Thumb) {
        int position = PositionAt(dragStart_);
        dragStart_ = -1;
        listener_(vScrollAction::ThumbPosition, position);
    }
    listener_(vScrollAction::EndScroll, 0);
    Invalidate();
}

// Nobody holds the press any more: no repeat, no thumb position to report.
void vScrollBar::OnCaptureLost() {
    if (pressed_ == Part::None) return;
    pressed_ = Part::None;
    pointerInPressed_ = false;
    dragStart_ = -1;
    repeat_.StopTimer();
    Invalidate();
}

// One action of the held part, while the pointer stays on it. A page area stops
// repeating once the thumb has reached the pointer.
void vScrollBar::Repeat() {
    if (PartAt(lastAlong_) != pressed_) return;
    switch (pressed_) {
        case Part::StartArrow: listener_(vScrollAction::StepBack, 0); break;
        case Part::EndArrow: listener_(vScrollAction::StepForward, 0); break;
        case Part::PageStart: listener_(vScrollAction::PageBack, 0); break;
        case Part::PageEnd: listener_(vScrollAction::PageForward, 0); break;
        default: break;
    }
}

void vScrollBar::RepeatTimer::OnTimerTick() {
    if (bar_.repeatCount_++ == 0) StartTimer(kRepeatMs);
    bar_.Repeat();
}
