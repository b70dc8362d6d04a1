#include "framework/controls/button_cmd.h"

#include "framework/controls/cmd_parent.h"
#include "framework/draw/dc.h"
#include "framework/draw/icon.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

vButtonCmd::vButtonCmd(vCmdParent* parent, const CommandObject& record) : vFocusableCmd(parent, record) {
    if (IsToggle()) value_ = record.value != 0 ? 1 : 0;
}

bool vButtonCmd::IsToggle() const {
    return record_.type == ctToggleButton || record_.type == ctToggleIconButton;
}

const vIcon* vButtonCmd::Image() const {
    if (record_.type != ctIconButton && record_.type != ctToggleIconButton) return nullptr;
    const vIcon* icon = static_cast<const vIcon*>(record_.items);
    return icon && icon->bits ? icon : nullptr;
}

void vButtonCmd::Revert() {
    if (!IsToggle() || value_ == remembered_) return;
    value_ = remembered_;
    Changed();
    Send(value_);
}

void vButtonCmd::Apply(int value, int kind) {
    if (IsToggle() && (kind == StateValue || kind == StateChecked)) {
        value_ = value != 0 ? 1 : 0;
        Changed();
        return;
    }
    vCmd::Apply(value, kind);
}

void vButtonCmd::OnNotify(int code, int extra) {
    if (code == vNotifyClicked && IsToggle()) {
        value_ = 1 - value_;
        Changed();
    }
    vCmd::OnNotify(code, extra);
}

void vButtonCmd::Click() { OnNotify(vNotifyClicked, 0); }

void vButtonCmd::OnPointerDown(int, int, int) {
    heldDown_ = true;
    Changed();
}

void vButtonCmd::OnPointerDrag(int x, int y) {
    if (heldDown_ == Contains(x, y)) return;
    heldDown_ = !heldDown_;
    Changed();
}

void vButtonCmd::OnPointerUp(int x, int y) {
    bool inside = heldDown_ && Contains(x, y);
    OnPointerCancel();
    if (inside) Click();
}

void vButtonCmd::OnPointerCancel() {
    heldDown_ = false;
    Changed();
}

void vButtonCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    if (IsToggle()) PaintToggle(dc, r);
    else PaintPush(dc, r);
}

void vButtonCmd::PaintToggle(vDC& dc, const vRect& r) {
    bool down = value_ != 0 || heldDown_;
    vPaint::Fill(dc, r, vColorButtonFace);
    vPaint::Frame(dc, r, enabled_ ? vColorWindowText : vColorButtonHighlight);
    vRect inner{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    if (down) vPaint::SunkenEdge(dc, inner);
    else vPaint::RaisedEdge(dc, inner);
    PaintFace(dc, inner, down);
    if (HasFocus() && parent_->ContainerHasFocus()) vPaint::DottedFrame(dc, {r.x + 4, r.y + 4, r.w - 8, r.h - 8});
}

void vButtonCmd::PaintPush(vDC& dc, const vRect& r) {
    vPaint::Fill(dc, r, vColorButtonFace);
    vRect inner = r;
    if (parent_->DefaultControl() == this) {
        vPaint::Frame(dc, r, vColorWindowText);
        inner = {r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    }
    if (heldDown_) vPaint::Frame(dc, inner, vColorButtonShadow);
    else vPaint::RaisedEdge(dc, inner);
    PaintFace(dc, inner, heldDown_);
    if (HasFocus() && parent_->ContainerHasFocus()) {
        vPaint::DottedFrame(dc, {inner.x + 3, inner.y + 3, inner.w - 6, inner.h - 6});
    }
}

void vButtonCmd::PaintFace(vDC& dc, const vRect& inner, bool shifted) {
    int shift = shifted ? (IsToggle() ? 2 : 1) : 0;
    if (const vIcon* icon = Image()) {
        dc.PaintIcon(inner.x + (inner.w - icon->width) / 2 + shift, inner.y + (inner.h - icon->height) / 2 + shift,
                     *icon);
        return;
    }
    // A title of blanks only draws nothing.
    if (text_.find_first_not_of(' ') == std::string::npos) return;
    int width = vPaint::MnemonicTextWidth(dc, text_);
    int x = inner.x + (inner.w - width) / 2 + shift;
    int top = inner.y + (inner.h - vPaint::LineHeight(dc)) / 2 + shift;
    if (!enabled_) vPaint::MnemonicText(dc, x + 1, top + 1, text_, vColorButtonHighlight, true);
    vPaint::MnemonicText(dc, x, top, text_, enabled_ ? vColorWindowText : vColorGrayText, true);
}

void vColorButtonCmd::PaintFace(vDC& dc, const vRect& inner, bool shifted) {
    const vColor* color = static_cast<const vColor*>(record_.items);
    int shift = shifted ? 1 : 0;
    vRect swatch{inner.x + 3 + shift, inner.y + 3 + shift, inner.w - 7, inner.h - 7};
    if (color) {
        vPaint::Fill(dc, swatch, *color);
        vPaint::Frame(dc, swatch, vColorWindowText);
    }
    vButtonCmd::PaintFace(dc, inner, shifted);
}
