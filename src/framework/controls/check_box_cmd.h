#pragma once

#include "framework/controls/focusable_cmd.h"

// A box that is ticked (1) or not (0); a click flips it and sends the new state.
// Each start-up shows the record's state.
class vCheckBoxCmd : public vFocusableCmd {
public:
    vCheckBoxCmd(vCmdParent* parent, const CommandObject& record);

    void Revert() override;
    void Apply(int value, int kind) override;
    void OnNotify(int code, int extra) override;
    void StartUp() override;
    void Paint(vDC& dc) override;

    void OnPointerUp(int x, int y) override;
    void Click() override { OnNotify(vNotifyClicked, 0); }

protected:
    // Draws the mark box (or circle) at the left of the control.
    virtual void PaintMark(vDC& dc, const vRect& box);
    void SetState(int state);
};
