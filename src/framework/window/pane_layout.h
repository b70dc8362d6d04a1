#pragma once

#include <vector>

class vFrame;
class vPane;
class vWindowRegistry;

// Where the bars and the windows go in the frame: the command and status bars of every
// command window (newest first), of which only the active window's are shown, and the
// windows in the area between them.
class vPaneLayout {
public:
    vPaneLayout(vFrame& frame, const vWindowRegistry& windows);
    vPaneLayout(const vPaneLayout&) = delete;
    vPaneLayout& operator=(const vPaneLayout&) = delete;

    void AddBar(vPane* pane);
    void RemoveBar(vPane* pane);
    const std::vector<vPane*>& Bars() const { return bars_; }
    // Shows the bars (and menu pane) of the active window only, hides the others.
    void ShowActiveBars();
    // Hides every bar and the menu strip (no command window remains).
    void HideAll();
    // Places the active window's bars around the frame's client area and the windows
    // between them.
    void Arrange();
    // The "&Window" menu: overlapping from the top-left corner, or side by side.
    void Cascade();
    void Tile();

private:
    vFrame& frame_;
    const vWindowRegistry& windows_;
    std::vector<vPane*> bars_;
};
