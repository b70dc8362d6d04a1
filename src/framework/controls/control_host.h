#pragma once

#include <cstdint>

#include "framework/controls/hold_repeater.h"
#include "framework/platform/platform.h"

class vCmdParent;
class vToolTip;
class vView;

// Feeds the raw input of the view that shows a container's controls to the container:
// presses (telling double clicks apart), drags with the pointer captured, the wheel,
// keys and typed text, repeats while a control is held, and the tips of controls.
class vControlHost {
public:
    static constexpr int kDoubleClickMs = 400;

    vControlHost(vView& view, vCmdParent& parent);

    // Where the container's client area starts in the view.
    void SetOrigin(int x, int y) { originX_ = x, originY_ = y; }
    void SetToolTip(vToolTip* tip) { tip_ = tip; }

    // Coordinates relative to the view. Each returns whether the event was used.
    bool Pointer(const vPlatformEvent& event);
    bool Key(const vPlatformEvent& event);
    void Hold(bool on);
    // The frame took the pointer away from the view: a press in progress is dropped.
    void CaptureLost();
    void HideTip();

private:
    int ClicksFor(const vPlatformEvent& event);
    void Hover(int x, int y, const vPlatformEvent& event);

    vView& view_;
    vCmdParent& parent_;
    vToolTip* tip_ = nullptr;
    vHoldRepeater repeater_;
    int originX_ = 0;
    int originY_ = 0;
    uint64_t lastPressMs_ = 0;
    int lastPressX_ = -1000;
    int lastPressY_ = -1000;
    bool lastWasDouble_ = false;
};
