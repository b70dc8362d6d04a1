#pragma once

#include "framework/controls/cmd.h"

// A control with a value of its own that the keyboard and the pointer work: buttons,
// check boxes, spinners, sliders, lists and combo boxes. Letting go ends a press as
// losing the pointer does, unless the control acts on the release.
class vFocusableCmd : public vCmd {
public:
    using vCmd::vCmd;

    int CurrentValue(int id) const override { return id == id_ ? value_ : -1; }
    bool TakesFocus() const override { return true; }
    void OnPointerUp(int /*x*/, int /*y*/) override { OnPointerCancel(); }
};
