#pragma once

#include "framework/window/view.h"

class vWindow;

// Pane kinds: what a pane is to the frame's layout and to the key search.
enum vPaneKind : int {
    vPaneMenuBar = 2,     // a window's menu bar: shown in the frame's menu strip
    vPaneCommandBar = 3,  // laid out along the top of the frame's client area
    vPaneStatusBar = 6,   // laid out along the bottom
    vPaneCanvas = 8,      // fills its command window
};

// Base of the parts a command window is made of. A pane is a view: it draws in Paint
// and takes events in HandleInput. Its creator deletes it; the window only lists it.
class vPane : public vView {
public:
    explicit vPane(int kind) : kind_(kind) {}
    ~vPane() override;

    // Called by vWindow::AddPane after the pane joined the window's pane list.
    virtual void Attach(vWindow* window) { window_ = window; }
    // Value and text of a control with that id; false when the pane has no such id.
    virtual bool QueryValue(int /*id*/, int& /*value*/) { return false; }
    virtual bool QueryText(int /*id*/, char* /*buffer*/, int /*capacity*/) { return false; }
    virtual void PutValue(int /*id*/, int /*value*/, int /*kind*/) {}
    virtual void PutText(int /*id*/, const char* /*text*/) {}
    // A pane that fills its window (the canvas) is placed in the window's client rect
    // and follows the window's keyboard focus.
    virtual void PlaceIn(const vRect& /*client*/) {}
    virtual void FocusGained() {}
    virtual void FocusLost() {}
    // Switches the pane on or off in its window.
    virtual void ShowPane(int on);
    virtual int PaneKind() const { return kind_; }

    // The menu key search: the id of a sensitive item whose key and key shift equal
    // key and shift. Only a menu pane has items.
    virtual bool FindKeyItem(int /*key*/, int /*shift*/, int& /*id*/) { return false; }

    vWindow* Window() const { return window_; }
    // The application of the pane's window, or of the frame the pane is shown in; null
    // before the pane is attached.
    vApp* WindowApp() const;
    // The window is being deleted before the pane.
    void ForgetWindow() { window_ = nullptr; }
    bool IsPaneOn() const { return paneOn_; }
    // The bar's height, measured when it was attached; the frame's layout uses it.
    int BarHeight() const { return barHeight_; }

protected:
    void SetBarHeight(int height) { barHeight_ = height; }

    vWindow* window_ = nullptr;
    int kind_;
    bool paneOn_ = true;
    int barHeight_ = 0;
};
