#pragma once

#include "framework/controls/focusable_cmd.h"
#include "framework/controls/record_items.h"

// A thumb on a track. The value runs over the record's range (0 to 100 without one);
// dragging or the arrow keys move it by the range's step and send (id, value, ctSlider).
class vSliderCmd : public vFocusableCmd {
public:
    vSliderCmd(vCmdParent* parent, const CommandObject& record);

    void Apply(int value, int kind) override;
    void OnNotify(int code, int extra) override;
    void Paint(vDC& dc) override;

    void OnPointerDown(int x, int y, int clicks) override;
    void OnPointerDrag(int x, int y) override;
    bool OnKeyDown(int key, int shift) override;

    int Minimum() const { return low_; }
    int Maximum() const { return high_; }

private:
    void MoveTo(int value);
    vRect Track() const;
    int ValueAt(int x) const;
    int ThumbX() const;

    int low_ = 0;
    int high_ = 100;
    int step_ = 1;
};

// A bar that fills as its value goes from the range's minimum (0) to its maximum (100).
class vProgressCmd : public vCmd {
public:
    vProgressCmd(vCmdParent* parent, const CommandObject& record);

    int CurrentValue(int id) const override { return id == id_ ? value_ : -1; }
    void Apply(int value, int kind) override;
    void Paint(vDC& dc) override;
    bool TakesInput() const override { return false; }

private:
    int low_ = 0;
    int high_ = 100;
};
