#pragma once

#include "framework/controls/focusable_cmd.h"

// Push buttons, toggle buttons and their icon forms. A push button sends its record's
// value when clicked; a toggle flips between released (0) and pressed (1) and sends
// its new state. The look follows the pointer while it holds the button down.
class vButtonCmd : public vFocusableCmd {
public:
    vButtonCmd(vCmdParent* parent, const CommandObject& record);

    void Revert() override;
    void Apply(int value, int kind) override;
    void OnNotify(int code, int extra) override;
    void Paint(vDC& dc) override;

    void OnPointerDown(int x, int y, int clicks) override;
    void OnPointerDrag(int x, int y) override;
    void OnPointerUp(int x, int y) override;
    void OnPointerCancel() override;
    void Click() override;

    bool IsToggle() const;
    bool IsHeldDown() const { return heldDown_; }

protected:
    const struct vIcon* Image() const;
    void PaintToggle(vDC& dc, const vRect& r);
    void PaintPush(vDC& dc, const vRect& r);
    // What is drawn inside the edges: the title, or the image of an icon button.
    virtual void PaintFace(vDC& dc, const vRect& inner, bool shifted);

    bool heldDown_ = false;
};

// A button showing the colour its record's items point to.
class vColorButtonCmd : public vButtonCmd {
public:
    using vButtonCmd::vButtonCmd;

protected:
    void PaintFace(vDC& dc, const vRect& inner, bool shifted) override;
};
