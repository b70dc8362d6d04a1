#pragma once

#include <memory>

#include "framework/window/view.h"

class vApp;
class vDC;

// The frame's own menu bar, shown while no window menu is installed: one "&File" menu
// with "&New", "&Open", a separator and "E&xit".
class vFrameMenu : public vView {
public:
    static constexpr int kTitleLeft = 4;
    static constexpr int kTitleWidth = 40;

    explicit vFrameMenu(vApp& app);
    ~vFrameMenu() override;

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;

    void Open();
    void Close();
    bool IsOpen() const;
    // Chooses the popup's item at index (0 "&New", 1 "&Open", 3 "E&xit").
    void Choose(int index);

private:
    class Popup;
    vApp& app_;
    std::unique_ptr<Popup> popup_;
};

// Draws a menu label whose line ends at bottom: "&" marks the next letter, which is
// underlined.
void vDrawMenuLabel(vDC& dc, int x, int bottom, const char* label);
