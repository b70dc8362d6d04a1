#include "framework/controls/spinner_cmd.h"

#include <algorithm>
#include <climits>

#include "framework/controls/cmd_parent.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/platform/platform.h"

vSpinnerCmd::vSpinnerCmd(vCmdParent* parent, const CommandObject& record)
    : vFocusableCmd(parent, record), range_(SpinRangeOf(record)) {
    LoadItems();
    value_ = Clamped(record.value);
}

void vSpinnerCmd::LoadItems() {
    items_.clear();
    if (!HasTextItems()) return;
    const char* const* texts = TextItemsOf(record_);
    for (int i = 0; texts && texts[i]; ++i) items_.emplace_back(texts[i]);
}

int vSpinnerCmd::Clamped(int value) const {
    if (HasTextItems()) return std::clamp(value, 0, std::max(0, static_cast<int>(items_.size()) - 1));
    if (!range_.Limited()) return value;
    return std::clamp(value, std::min(range_.minimum, range_.maximum), std::max(range_.minimum, range_.maximum));
}

int vSpinnerCmd::Stepped(bool up) const {
    if (HasTextItems()) return Clamped(value_ + (up ? 1 : -1));
    long long next = static_cast<long long>(value_) + (up ? range_.step : -static_cast<long long>(range_.step));
    if (next > INT_MAX || next < INT_MIN) return value_;
    if (range_.Limited() && (next > range_.maximum || next < range_.minimum)) return value_;
    return static_cast<int>(next);
}

void vSpinnerCmd::StartUp() {
    vCmd::StartUp();
    LoadItems();
    value_ = Clamped(value_);
}

void vSpinnerCmd::Apply(int value, int kind) {
    if (kind == StateValue || kind == StateChecked) {
        value_ = Clamped(value);
        Changed();
        return;
    }
    if (kind == StateItems || kind == StateNewItems) {
        LoadItems();
        value_ = Clamped(value);
        Changed();
        return;
    }
    vCmd::Apply(value, kind);
}

void vSpinnerCmd::OnNotify(int code, int extra) {
    if (code != vNotifyStepUp && code != vNotifyStepDown) return vCmd::OnNotify(code, extra);
    int next = Stepped(code == vNotifyStepUp);
    if (next == value_) return;
    value_ = next;
    Changed();
    if (!(record_.attributes & AttrMasked)) Send(value_);
}

std::string vSpinnerCmd::FieldText() const {
    if (HasTextItems()) return value_ < static_cast<int>(items_.size()) ? items_[value_] : std::string();
    return std::to_string(value_);
}

vRect vSpinnerCmd::ArrowBar() const {
    vRect r = PixelRect();
    int width = parent_->Units().X(10);
    return {r.x + r.w - width, r.y, width, r.h};
}

void vSpinnerCmd::OnPointerDown(int x, int y, int) {
    vRect bar = ArrowBar();
    if (x < bar.x) return;
    heldArrow_ = y < bar.y + bar.h / 2 ? 1 : -1;
    OnNotify(heldArrow_ > 0 ? vNotifyStepUp : vNotifyStepDown, 0);
    parent_->HoldTicks(true);
    Changed();
}

void vSpinnerCmd::OnPointerHeld() {
    if (heldArrow_) OnNotify(heldArrow_ > 0 ? vNotifyStepUp : vNotifyStepDown, 0);
}

void vSpinnerCmd::OnPointerCancel() {
    heldArrow_ = 0;
    Changed();
}

bool vSpinnerCmd::OnKeyDown(int key, int) {
    if (key == vKeyUp) OnNotify(vNotifyStepUp, 0);
    else if (key == vKeyDown) OnNotify(vNotifyStepDown, 0);
    else return false;
    return true;
}

bool vSpinnerCmd::OnWheel(int notches) {
    if (notches != 0) OnNotify(notches > 0 ? vNotifyStepUp : vNotifyStepDown, 0);
    return true;
}

void vSpinnerCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    vRect bar = ArrowBar();
    vRect field{r.x, r.y, r.w - bar.w, r.h};
    vPaint::Fill(dc, field, enabled_ ? vColorWindowBack : vColorButtonFace);
    vPaint::SunkenEdge(dc, field);
    int top = field.y + (field.h - vPaint::LineHeight(dc)) / 2;
    vColor ink = enabled_ ? vColorWindowText : vColorGrayText;
    vPaint::Text(dc, field.x + 3, top, FieldText(), ink);
    if (HasFocus() && parent_->ContainerHasFocus()) {
        vPaint::DottedFrame(dc, {field.x + 2, field.y + 2, field.w - 4, field.h - 4});
    }
    int half = bar.h / 2;
    vRect up{bar.x, bar.y, bar.w, half}, down{bar.x, bar.y + half, bar.w, bar.h - half};
    for (int arrow : {1, -1}) {
        vRect box = arrow > 0 ? up : down;
        vPaint::Fill(dc, box, vColorButtonFace);
        if (heldArrow_ == arrow) vPaint::Frame(dc, box, vColorButtonShadow);
        else vPaint::RaisedEdge(dc, box);
        vPaint::Arrow(dc, box, arrow > 0 ? vPaint::vArrowUp : vPaint::vArrowDown, ink);
    }
}
