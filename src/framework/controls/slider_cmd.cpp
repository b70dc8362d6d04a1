#include "framework/controls/slider_cmd.h"

#include <algorithm>

#include "framework/controls/cmd_parent.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/platform/platform.h"

namespace {

// The record's range when it has a usable one, else 0 to 100.
void RangeOf(const CommandObject& record, int& low, int& high, int& step) {
    low = 0, high = 100, step = 1;
    if (!record.items) return;
    vSpinRange range = SpinRangeOf(record);
    if (range.maximum <= range.minimum) return;
    low = range.minimum;
    high = range.maximum;
    step = std::max(1, range.step);
}

}  // namespace

vSliderCmd::vSliderCmd(vCmdParent* parent, const CommandObject& record) : vFocusableCmd(parent, record) {
    RangeOf(record, low_, high_, step_);
    value_ = std::clamp(record.value, low_, high_);
}

void vSliderCmd::Apply(int value, int kind) {
    if (kind != StateValue && kind != StateChecked) return vCmd::Apply(value, kind);
    value_ = std::clamp(value, low_, high_);
    Changed();
}

void vSliderCmd::OnNotify(int code, int extra) {
    if (code == vNotifySelectionChanged) Send(value_);
    else vCmd::OnNotify(code, extra);
}

void vSliderCmd::MoveTo(int value) {
    value = std::clamp(value, low_, high_);
    if (value == value_) return;
    value_ = value;
    Changed();
    OnNotify(vNotifySelectionChanged, 0);
}

vRect vSliderCmd::Track() const {
    vRect r = PixelRect();
    int margin = parent_->Units().X(4);
    return {r.x + margin, r.y + r.h / 2 - 2, std::max(1, r.w - 2 * margin), 4};
}

int vSliderCmd::ValueAt(int x) const {
    vRect t = Track();
    long long span = high_ - low_;
    long long raw = low_ + (static_cast<long long>(x - t.x) * span + t.w / 2) / t.w;
    int stepped = low_ + static_cast<int>((raw - low_ + step_ / 2) / step_) * step_;
    return std::clamp(stepped, low_, high_);
}

int vSliderCmd::ThumbX() const {
    vRect t = Track();
    return t.x + static_cast<int>(static_cast<long long>(value_ - low_) * t.w / std::max(1, high_ - low_));
}

void vSliderCmd::OnPointerDown(int x, int, int) { MoveTo(ValueAt(x)); }
void vSliderCmd::OnPointerDrag(int x, int) { MoveTo(ValueAt(x)); }

bool vSliderCmd::OnKeyDown(int key, int) {
    switch (key) {
    case vKeyLeft: case vKeyDown: MoveTo(value_ - step_); return true;
    case vKeyRight: case vKeyUp: MoveTo(value_ + step_); return true;
    case vKeyHome: MoveTo(low_); return true;
    case vKeyEnd: MoveTo(high_); return true;
    default: return false;
    }
}

void vSliderCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    vRect t = Track();
    vPaint::SunkenEdge(dc, t);
    int thumbWidth = std::max(6, parent_->Units().X(5));
    vRect thumb{ThumbX() - thumbWidth / 2, r.y + 1, thumbWidth, r.h - 2};
    vPaint::Fill(dc, thumb, vColorButtonFace);
    vPaint::RaisedEdge(dc, thumb);
    if (HasFocus() && parent_->ContainerHasFocus()) vPaint::DottedFrame(dc, r);
}

vProgressCmd::vProgressCmd(vCmdParent* parent, const CommandObject& record) : vCmd(parent, record) {
    int step = 1;
    RangeOf(record, low_, high_, step);
    value_ = std::clamp(record.value, low_, high_);
}

void vProgressCmd::Apply(int value, int kind) {
    if (kind != StateValue && kind != StateChecked) return vCmd::Apply(value, kind);
    value_ = std::clamp(value, low_, high_);
    Changed();
}

void vProgressCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    vPaint::Fill(dc, r, vColorButtonFace);
    vPaint::ThinSunkenEdge(dc, r);
    int inner = r.w - 4;
    int filled = static_cast<int>(static_cast<long long>(value_ - low_) * inner / std::max(1, high_ - low_));
    vPaint::Fill(dc, {r.x + 2, r.y + 2, filled, r.h - 4}, vColorSelection);
}
