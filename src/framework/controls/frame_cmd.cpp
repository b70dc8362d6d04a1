#include "framework/controls/frame_cmd.h"

#include "framework/controls/cmd_parent.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

int vFrameCmd::CurrentValue(int id) const {
    if (id != id_) return -1;
    return record_.type == ctToggleFrame ? (hidden_ ? 0 : 1) : 0;
}

void vFrameCmd::Apply(int value, int kind) {
    if (record_.type == ctToggleFrame && kind == StateValue) {
        SetHidden(value == 0);
        parent_->ShowFrameContents(id_, value);
        return;
    }
    vCmd::Apply(value, kind);
}

void vFrameCmd::Paint(vDC& dc) {
    if (record_.attributes & AttrNoBorder) return;
    vRect r = PixelRect();
    vPaint::Frame(dc, {r.x, r.y, r.w - 1, r.h - 1}, vColorButtonShadow);
    vPaint::Frame(dc, {r.x + 1, r.y + 1, r.w - 1, r.h - 1}, vColorButtonHighlight);
    vPaint::Frame(dc, {r.x, r.y, r.w - 1, r.h - 1}, vColorButtonShadow);
}
