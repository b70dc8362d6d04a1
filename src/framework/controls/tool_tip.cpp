#include "framework/controls/tool_tip.h"

#include <algorithm>

#include "framework/draw/memory_dc.h"
#include "framework/look/dialog_units.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/window/frame.h"

vToolTip::vToolTip() = default;

vToolTip::~vToolTip() { Hide(); }

unsigned long long vToolTip::Now() const {
    return frame_ && frame_->Platform() ? frame_->Platform()->NowMs() : 0;
}

// Moving the pointer restarts the rest, unless the tip of that control already shows.
void vToolTip::PointerAt(vFrame& frame, const std::string& text, int frameX, int frameY) {
    if (&frame != frame_) Hide();
    frame_ = &frame;
    if (text != text_) {
        Hide();
        text_ = text;
    } else if (showing_) {
        return;
    }
    x_ = frameX;
    y_ = frameY;
    since_ = Now();
    if (text_.empty()) {
        clock_.StopTimer();
        return;
    }
    if (!clock_.IsRunning()) clock_.StartTimer(100);
}

void vToolTip::Tick() {
    unsigned long long elapsed = Now() - since_;
    if (!showing_ && elapsed >= kRestMs) Show();
    else if (showing_ && elapsed >= kRestMs + kShowMs) Hide();
}

void vToolTip::Show() {
    if (!frame_ || text_.empty()) return;
    vMemoryDC measure(1, 1);
    measure.UseTextRenderer(frame_->TextRenderer());
    measure.UseFont(vDialogFont());
    int width = vPaint::TextWidth(measure, text_) + 8, height = vPaint::LineHeight(measure) + 4;
    vFrame& frame = *frame_;
    int x = std::max(0, std::min(x_, frame.Width() - width));
    int y = y_ + 20;
    if (y + height > frame.Height()) y = std::max(0, y_ - height - 4);
    SetBounds(x, y, width, height);
    frame.AddFloating(this);
    showing_ = true;
    Invalidate();
}

void vToolTip::Hide() {
    if (showing_) {
        if (vFrame* frame = Frame()) frame->RemoveFloating(this);
        showing_ = false;
        text_.clear();
    }
    clock_.StopTimer();
}

void vToolTip::Paint() {
    vViewDC dc(*this);
    vRect all{0, 0, Bounds().w, Bounds().h};
    vPaint::Fill(dc, all, vColorTipBack);
    vPaint::Frame(dc, all, vColorWindowText);
    dc.UseFont(vDialogFont());
    vPaint::Text(dc, 4, 2, text_, vColorWindowText);
}
