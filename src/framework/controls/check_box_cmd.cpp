#include "framework/controls/check_box_cmd.h"

#include <algorithm>

#include "framework/controls/cmd_parent.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

vCheckBoxCmd::vCheckBoxCmd(vCmdParent* parent, const CommandObject& record) : vFocusableCmd(parent, record) {
    value_ = record.value != 0 ? 1 : 0;
}

void vCheckBoxCmd::SetState(int state) {
    value_ = state != 0 ? 1 : 0;
    Changed();
}

void vCheckBoxCmd::StartUp() {
    vCmd::StartUp();
    value_ = record_.value != 0 ? 1 : 0;
}

void vCheckBoxCmd::Revert() {
    if (value_ == remembered_) return;
    SetState(remembered_);
    Send(value_);
}

void vCheckBoxCmd::Apply(int value, int kind) {
    if (kind == StateValue || kind == StateChecked) SetState(value);
    else vCmd::Apply(value, kind);
}

void vCheckBoxCmd::OnNotify(int code, int extra) {
    if (code != vNotifyClicked) return vCmd::OnNotify(code, extra);
    SetState(1 - value_);
    Send(value_);
}

void vCheckBoxCmd::OnPointerUp(int x, int y) {
    if (Contains(x, y)) Click();
}

void vCheckBoxCmd::PaintMark(vDC& dc, const vRect& box) {
    vPaint::Fill(dc, box, enabled_ ? vColorWindowBack : vColorButtonFace);
    vPaint::SunkenEdge(dc, box);
    if (value_) vPaint::CheckMark(dc, {box.x + 2, box.y + 2, box.w - 4, box.h - 4}, enabled_ ? vColorWindowText : vColorGrayText);
}

void vCheckBoxCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    int side = std::min(r.h, 13);
    vRect box{r.x, r.y + (r.h - side) / 2, side, side};
    PaintMark(dc, box);
    int textX = r.x + side + 4;
    int top = r.y + (r.h - vPaint::LineHeight(dc)) / 2;
    vPaint::MnemonicText(dc, textX, top, text_, enabled_ ? vColorWindowText : vColorGrayText, true);
    if (HasFocus() && parent_->ContainerHasFocus()) {
        int width = vPaint::MnemonicTextWidth(dc, text_);
        vPaint::DottedFrame(dc, {textX - 1, top - 1, width + 3, vPaint::LineHeight(dc) + 2});
    }
}
