#include "framework/controls/label_cmd.h"

#include "framework/controls/control_size.h"
#include "framework/draw/dc.h"
#include "framework/draw/icon.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

vLabelCmd::vLabelCmd(vCmdParent* parent, const CommandObject& record) : vCmd(parent, record) {
    if (!IsKnownControlType(record.type)) text_ = kBadRecordText;
}

vColor vLabelCmd::TextColor() const { return enabled_ ? vColorWindowText : vColorGrayText; }

void vLabelCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    const vIcon* icon = record_.type == ctIcon ? static_cast<const vIcon*>(record_.items) : nullptr;
    if (icon && icon->bits) {
        dc.PaintIcon(r.x + (r.w - icon->width) / 2, r.y + (r.h - icon->height) / 2, *icon);
        return;
    }
    // "&" marks a letter that takes the keyboard to the control after the label.
    vPaint::MnemonicText(dc, r.x, r.y, text_, TextColor(), true);
}

vColor vColorLabelCmd::TextColor() const {
    const vColor* color = static_cast<const vColor*>(record_.items);
    return color ? *color : vLabelCmd::TextColor();
}
