#pragma once

#include "framework/controls/control_host.h"
#include "framework/window/view.h"

class vDialog;

// The floating window of a dialog inside the frame: a border, a caption with the
// title and a close box, and the client area with the controls. Dragging the caption
// moves it; the close box acts as Escape.
class vDialogView : public vView {
public:
    static constexpr int kBorder = 3;
    static constexpr int kCaptionHeight = 20;

    explicit vDialogView(vDialog& dialog);

    // Outer size for a client area of width x height.
    static int OuterWidth(int clientWidth) { return clientWidth + 2 * kBorder; }
    static int OuterHeight(int clientHeight) { return clientHeight + kCaptionHeight + 2 * kBorder; }
    static int ClientLeft() { return kBorder; }
    static int ClientTop() { return kBorder + kCaptionHeight; }

    vControlHost& Host() { return host_; }
    vRect CloseBox() const;  // relative to the view

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnFocusChange(bool hasFocus) override;
    void OnCaptureLost() override;

private:
    bool CaptionInput(const vPlatformEvent& event);
    void DragTo(int x, int y);

    vDialog& dialog_;
    vControlHost host_;
    bool dragging_ = false;
    bool closePressed_ = false;
    int dragX_ = 0;
    int dragY_ = 0;
};
