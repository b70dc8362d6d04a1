#pragma once

#include <string>
#include <vector>

#include "framework/controls/focusable_cmd.h"
#include "framework/controls/record_items.h"

// A value field with an up and a down arrow. The value is a number within the
// record's range (never passing it; unlimited when both bounds are 0), or with
// AttrTextItems an index into the record's texts. Each step sends the new value,
// except with AttrMasked. Holding an arrow down repeats the step.
class vSpinnerCmd : public vFocusableCmd {
public:
    vSpinnerCmd(vCmdParent* parent, const CommandObject& record);

    void Apply(int value, int kind) override;
    void OnNotify(int code, int extra) override;
    void StartUp() override;
    void Paint(vDC& dc) override;

    void OnPointerDown(int x, int y, int clicks) override;
    void OnPointerCancel() override;
    void OnPointerHeld() override;
    bool OnKeyDown(int key, int shift) override;
    bool OnWheel(int notches) override;

    // What the field shows for the current value.
    std::string FieldText() const;

private:
    bool HasTextItems() const { return (record_.attributes & AttrTextItems) != 0; }
    int Clamped(int value) const;
    // The value one step up or down, or the same value when the step is not taken.
    int Stepped(bool up) const;
    vRect ArrowBar() const;
    void LoadItems();

    vSpinRange range_;
    std::vector<std::string> items_;
    int heldArrow_ = 0;  // +1 up, -1 down, 0 none
};
