#include "framework/controls/radio_button_cmd.h"

#include "framework/controls/cmd_parent.h"
#include "framework/draw/dc.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

vRadioButtonCmd* vRadioButtonCmd::OtherOn() const {
    for (const auto& control : parent_->Controls()) {
        auto* radio = dynamic_cast<vRadioButtonCmd*>(control.get());
        if (radio && radio != this && radio->FrameId() == FrameId() && radio->value_) return radio;
    }
    return nullptr;
}

void vRadioButtonCmd::Apply(int value, int kind) {
    if ((kind == StateValue || kind == StateChecked) && value != 0) {
        while (vRadioButtonCmd* other = OtherOn()) other->SetState(0);
    }
    vCheckBoxCmd::Apply(value, kind);
}

void vRadioButtonCmd::OnNotify(int code, int extra) {
    if (code != vNotifyClicked) return vCheckBoxCmd::OnNotify(code, extra);
    if (vRadioButtonCmd* other = OtherOn()) {
        other->SetState(0);
        other->Send(0);
    }
    if (value_) return;
    SetState(1);
    Send(1);
}

void vRadioButtonCmd::PaintMark(vDC& dc, const vRect& box) {
    vColor back = enabled_ ? vColorWindowBack : vColorButtonFace;
    dc.UsePen(vPen(vColorButtonShadow));
    dc.UseBrush(vBrush(back));
    dc.PaintEllipse(box.x, box.y, box.w, box.h);
    if (!value_) return;
    vColor dot = enabled_ ? vColorWindowText : vColorGrayText;
    dc.UsePen(vPen(dot));
    dc.UseBrush(vBrush(dot));
    int inset = box.w / 3;
    dc.PaintEllipse(box.x + inset, box.y + inset, box.w - 2 * inset, box.h - 2 * inset);
}
