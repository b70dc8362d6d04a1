#pragma once

#include <span>

#include "framework/dialogs/dialog.h"

// Where the operation dialogs open, relative to the frame's client area. The four
// dialogs share one place, so a dialog opens where the last one was closed.
struct OperationDialogPlace {
    int left = 480;
    int top = 0;
};

// What the operation dialogs have in common: a modeless dialog built from its
// table that opens at the shared place and records its own place there when closed.
class KnollOperationDialog : public vDialog {
public:
    KnollOperationDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place,
                         const CommandObject* table);

    void OnDialogReady() override;
    void Dismiss() override;
    // The operation code (the operation table's) a click on the canvas runs while this
    // dialog is open, as its toggles choose.
    virtual int ArmedOperation() const = 0;

protected:
    // When id is one of the group's toggles: turns it on and the others off, and gives
    // its place in the group counted from 1. Otherwise 0, touching nothing. The value
    // the toggle sent is not looked at, so pressing the one that is on keeps it on.
    int ChooseToggle(std::span<const int> group, int id);

private:
    OperationDialogPlace& place_;
};
