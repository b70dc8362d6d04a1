#pragma once

#include "framework/window/base_item.h"

class vApp;

// Common base of command windows and dialogs.
class vBaseWindow : public vBaseItem {
public:
    explicit vBaseWindow(const char* name = "") : vBaseItem(name) {}
    vBaseWindow(const vBaseWindow&) = delete;
    vBaseWindow& operator=(const vBaseWindow&) = delete;

    // Creates the window's pixels on the frame; called by the constructor.
    virtual void Build() {}
    // No effect: a window is visible once built. Applications call it after AddPane.
    virtual void Show() {}
    virtual void SetCaption(const char* text) { SetName(text); }

    // The application this window belongs to; null when it has ended.
    virtual vApp* App() const = 0;
    // The application of a window's owner: an owner-less dialog belongs to the
    // program's application.
    static vApp* AppOf(const vBaseWindow* owner);
};
