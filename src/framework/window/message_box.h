#pragma once

#include <string>
#include <vector>

#include "framework/look/caption_box.h"
#include "framework/window/view.h"

class vApp;

// The framework's own warning box: a caption, a warning sign, the text (line feeds
// break lines) and an OK button. Modal; Enter, Escape and OK close it.
class vWarningBox : public vView {
public:
    static constexpr const char* kCaption = "Warning";

    explicit vWarningBox(const std::string& text);

    // Shows the box centred over the frame and returns when it is closed.
    void Run(vApp& app);

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnCaptureLost() override { caption_.CancelPress(); }

    vRect OkButton() const;  // relative to the box
    bool IsClosed() const { return closed_; }

private:
    bool CaptionInput(const vPlatformEvent& event);
    void PaintSign(vDC& dc, int x, int y);
    void PaintButton(vDC& dc);

    std::vector<std::string> lines_;
    int lineHeight_ = 13;
    bool closed_ = false;
    bool pressed_ = false;
    vCaptionBox caption_;
};
