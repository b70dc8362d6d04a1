#pragma once

#include "framework/controls/control_host.h"
#include "framework/look/caption_box.h"
#include "framework/window/view.h"

class vDialog;

// The floating window of a dialog inside the frame: a border, a caption with the
// title and a close box, and the client area with the controls. Dragging the caption
// moves it; the close box acts as Escape.
class vDialogView : public vView {
public:
    static constexpr int kBorder = vCaptionBox::kBorder;
    static constexpr int kCaptionHeight = vCaptionBox::kCaptionHeight;

    explicit vDialogView(vDialog& dialog);

    // Outer size for a client area of width x height.
    static int OuterWidth(int clientWidth) { return vCaptionBox::OuterWidth(clientWidth); }
    static int OuterHeight(int clientHeight) { return vCaptionBox::OuterHeight(clientHeight); }
    static int ClientLeft() { return vCaptionBox::ClientLeft(); }
    static int ClientTop() { return vCaptionBox::ClientTop(); }

    vControlHost& Host() { return host_; }
    vDialog& Dialog() { return dialog_; }
    vRect CloseBox() const { return vCaptionBox::CloseBox(Bounds().w); }  // relative to the view

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnFocusChange(bool hasFocus) override;
    void OnCaptureLost() override;

private:
    bool CaptionInput(const vPlatformEvent& event);

    vDialog& dialog_;
    vControlHost host_;
    vCaptionBox caption_;
};
