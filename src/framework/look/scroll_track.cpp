#include "framework/look/scroll_track.h"

#include <algorithm>

#include "framework/draw/dc.h"
#include "framework/look/system_colors.h"

namespace {

constexpr int kMinimumThumb = 8;
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

vScrollTrack::vScrollTrack(bool horizontal, Listener listener)
    : horizontal_(horizontal), listener_(std::move(listener)) {}

void vScrollTrack::SetRange(int range) {
    range_ = std::max(range, 1);
    SetValues(shown_, top_);
}

void vScrollTrack::SetValues(int shown, int top) {
    shown_ = std::clamp(shown, 0, range_);
    top_ = std::clamp(top, 0, range_);
}

// ---- Geometry -------------------------------------------------------------------------------

int vScrollTrack::TrackLength() const { return std::max(Length() - 2 * Thickness(), 0); }

int vScrollTrack::ThumbLength() const {
    int track = TrackLength();
    // Rounded up, so that a thumb at top = range - shown meets the end of the track.
    return std::min(std::max((track * shown_ + range_ - 1) / range_, kMinimumThumb), track);
}

// The platform bar's page rule: the thumb covers top to top + shown of the track, so it
// reaches the end when top = range - shown.
int vScrollTrack::ThumbStart() const {
    if (dragStart_ >= 0) return dragStart_;
    int travel = TrackLength() - ThumbLength();
    return TrackStart() + std::min(TrackLength() * top_ / range_, travel);
}

int vScrollTrack::PositionAt(int start) const {
    int travel = TrackLength() - ThumbLength();
    if (travel <= 0) return 0;
    int offset = std::clamp(start - TrackStart(), 0, travel);
    // A thumb widened to its minimum length still ends at the last position.
    if (offset == travel) return std::max(range_ - shown_, 0);
    return std::min((offset * range_ + TrackLength() / 2) / TrackLength(), range_ - shown_);
}

vScrollTrack::Part vScrollTrack::PartAt(int along) const {
    if (along < 0 || along >= Length()) return Part::None;
    if (along < Thickness()) return Part::StartArrow;
    if (along >= Length() - Thickness()) return Part::EndArrow;
    int thumb = ThumbStart();
    if (along < thumb) return Part::PageStart;
    if (along < thumb + ThumbLength()) return Part::Thumb;
    return Part::PageEnd;
}

bool vScrollTrack::Inside(int x, int y) const {
    return x >= area_.x && y >= area_.y && x < area_.x + area_.w && y < area_.y + area_.h;
}

// ---- Drawing --------------------------------------------------------------------------------

void vScrollTrack::Box(vDC& dc, int at, int length, bool bevel, bool pressed) const {
    int x = area_.x + (horizontal_ ? at : 0), y = area_.y + (horizontal_ ? 0 : at);
    int w = horizontal_ ? length : Thickness(), h = horizontal_ ? Thickness() : length;
    if (bevel) Bevel(dc, x, y, w, h, pressed);
    else Fill(dc, pressed ? vColorDarkShadow : kTrack, x, y, w, h);
}

void vScrollTrack::Paint(vDC& dc) const {
    Box(dc, 0, Length(), false, false);
    bool pagePressed = pointerInPressed_ && (pressed_ == Part::PageStart || pressed_ == Part::PageEnd);
    int thumb = ThumbStart();
    if (pagePressed && pressed_ == Part::PageStart) Box(dc, TrackStart(), thumb - TrackStart(), false, true);
    if (pagePressed && pressed_ == Part::PageEnd) {
        Box(dc, thumb + ThumbLength(), Length() - Thickness() - thumb - ThumbLength(), false, true);
    }
    if (enabled_ && TrackLength() >= kMinimumThumb) Box(dc, thumb, ThumbLength(), true, false);
    PaintArrow(dc, 0, false, pointerInPressed_ && pressed_ == Part::StartArrow);
    PaintArrow(dc, Length() - Thickness(), true, pointerInPressed_ && pressed_ == Part::EndArrow);
}

void vScrollTrack::PaintArrow(vDC& dc, int at, bool towardsEnd, bool pressed) const {
    Box(dc, at, Thickness(), true, pressed);
    int x = area_.x + (horizontal_ ? at : 0), y = area_.y + (horizontal_ ? 0 : at);
    int cx = x + Thickness() / 2 - 1 + (pressed ? 1 : 0), cy = y + Thickness() / 2 - 1 + (pressed ? 1 : 0);
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
    vColor ink = enabled_ ? vColor(0, 0, 0) : vColorGrayText;
    dc.UsePen(vPen(ink));
    dc.UseBrush(vBrush(ink));
    dc.PaintPolygon(4, points, vAlternate);
}

// ---- Input ----------------------------------------------------------------------------------

bool vScrollTrack::Press(int button, int x, int y) {
    if (!enabled_ || !Inside(x, y)) return false;
    Part part = PartAt(Along(x, y));
    if (button == 3) {
        if (part == Part::StartArrow) listener_(vScrollAction::JumpStart, 0);
        if (part == Part::EndArrow) listener_(vScrollAction::JumpEnd, range_);
        return false;
    }
    if (button != 1 || pressed_ != Part::None || part == Part::None) return false;
    pressed_ = part;
    pointerInPressed_ = true;
    lastAlong_ = Along(x, y);
    if (part == Part::Thumb) {
        dragOffset_ = lastAlong_ - ThumbStart();
        dragStart_ = ThumbStart();
    } else {
        Repeat();
    }
    return true;
}

void vScrollTrack::Move(int x, int y) {
    if (pressed_ == Part::Thumb) {
        int travel = TrackLength() - ThumbLength();
        dragStart_ = std::clamp(Along(x, y) - dragOffset_, TrackStart(), TrackStart() + travel);
        listener_(vScrollAction::ThumbTrack, PositionAt(dragStart_));
    } else if (pressed_ != Part::None) {
        lastAlong_ = Along(x, y);
        pointerInPressed_ = PartAt(lastAlong_) == pressed_;
    }
}

void vScrollTrack::Release() {
    if (pressed_ == Part::None) return;
    Part part = pressed_;
    pressed_ = Part::None;
    pointerInPressed_ = false;
    if (part == Part::Thumb) {
        int position = PositionAt(dragStart_);
        dragStart_ = -1;
        listener_(vScrollAction::ThumbPosition, position);
    }
    listener_(vScrollAction::EndScroll, 0);
}

void vScrollTrack::Cancel() {
    pressed_ = Part::None;
    pointerInPressed_ = false;
    dragStart_ = -1;
}

// A page area stops repeating once the thumb has reached the pointer.
void vScrollTrack::Repeat() {
    if (PartAt(lastAlong_) != pressed_) return;
    switch (pressed_) {
        case Part::StartArrow: listener_(vScrollAction::StepBack, 0); break;
        case Part::EndArrow: listener_(vScrollAction::StepForward, 0); break;
        case Part::PageStart: listener_(vScrollAction::PageBack, 0); break;
        case Part::PageEnd: listener_(vScrollAction::PageForward, 0); break;
        default: break;
    }
}
