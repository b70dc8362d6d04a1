#pragma once

#include "framework/window/view.h"

class vWindow;

// The outer area of a command window in the frame. Maximized (single-window mode) it
// is all client area; otherwise it draws a caption with the title and a close box and
// a border, and lets the user activate, move and close the window with the pointer.
class vWindowView : public vView {
public:
    static constexpr int kCaptionHeight = 20;
    static constexpr int kBorder = 3;

    explicit vWindowView(vWindow& window) : window_(window) {}

    void SetMaximized(bool maximized);
    bool IsMaximized() const { return maximized_; }
    void SetActiveLook(bool active);

    // Where the canvas goes: the bounds without caption and border.
    vRect ClientRect() const;
    // Outer size for a client of width x height.
    static int OuterWidth(int clientWidth) { return clientWidth + 2 * kBorder; }
    static int OuterHeight(int clientHeight) { return clientHeight + kCaptionHeight + 2 * kBorder; }

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnCaptureLost() override { dragging_ = false; }

private:
    vRect CloseBox() const;  // relative to the view
    bool InCaption(int x, int y) const;

    vWindow& window_;
    bool maximized_ = false;
    bool active_ = false;
    bool dragging_ = false;
    int dragX_ = 0;
    int dragY_ = 0;
};
