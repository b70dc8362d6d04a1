#pragma once

#include "framework/controls/cmd.h"

// A frame around other controls: an etched border (none with AttrNoBorder). A toggle
// frame shows or hides itself and its contents with its value.
class vFrameCmd : public vCmd {
public:
    using vCmd::vCmd;

    int CurrentValue(int id) const override;
    void Apply(int value, int kind) override;
    void Paint(vDC& dc) override;
    bool TakesInput() const override { return false; }
};
