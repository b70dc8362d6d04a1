#pragma once

#include "framework/controls/check_box_cmd.h"

// A radio button. The radio buttons that name the same frame form one group, of which
// at most one is on.
class vRadioButtonCmd : public vCheckBoxCmd {
public:
    using vCheckBoxCmd::vCheckBoxCmd;

    void Apply(int value, int kind) override;
    void OnNotify(int code, int extra) override;

protected:
    void PaintMark(vDC& dc, const vRect& box) override;

private:
    // The other member of the group that is on, or null.
    vRadioButtonCmd* OtherOn() const;
};
