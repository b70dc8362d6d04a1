#pragma once

#include "framework/look/caption_box.h"
#include "framework/window/view.h"

class vWindow;

// The outer area of a command window in the frame. Maximized (single-window mode) it
// is all client area; otherwise it draws a caption with the title and a close box and
// a border, and lets the user activate, move and close the window with the pointer.
class vWindowView : public vView {
public:
    static constexpr int kCaptionHeight = vCaptionBox::kCaptionHeight;
    static constexpr int kBorder = vCaptionBox::kBorder;

    explicit vWindowView(vWindow& window) : window_(window) {}

    void SetMaximized(bool maximized);
    bool IsMaximized() const { return maximized_; }
    void SetActiveLook(bool active);

    // Where the canvas goes: the bounds without caption and border.
    vRect ClientRect() const;
    // Outer size for a client of width x height.
    static int OuterWidth(int clientWidth) { return vCaptionBox::OuterWidth(clientWidth); }
    static int OuterHeight(int clientHeight) { return vCaptionBox::OuterHeight(clientHeight); }

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnCaptureLost() override { caption_.CancelPress(); }

private:
    vWindow& window_;
    bool maximized_ = false;
    bool active_ = false;
    vCaptionBox caption_;
};
