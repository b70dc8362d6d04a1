#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "framework/dialogs/dialog.h"
#include "ops/operation_table.h"

// Where the operation dialogs open, relative to the frame's client area. The dialogs
// share one place, so a dialog opens where the last one was closed.
struct OperationDialogPlace {
    int left = 480;
    int top = 0;
};

// What the operation dialogs have in common: a modeless dialog built from its table
// that opens at the shared place and records its own place there when closed. Its
// operation toggles, when it has them, stand in the order of the places of the
// operations they choose.
class KnollOperationDialog : public vDialog {
public:
    KnollOperationDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place,
                         const CommandObject* table, DialogKind kind, std::span<const int> operationToggles = {});

    void OnDialogReady() override;
    void Dismiss() override;
    void OnDialogCommand(int id, int value, int type) override;
    // The operation a click on the canvas runs while this dialog is open.
    Operation ArmedOperation() const { return armed_; }
    // The VALUE text as the entry holds it now; "" for a dialog without one.
    virtual std::string LiveValueText() { return ""; }
    // Sets what the dialog's own controls choose (a mode, a radius) in the inputs.
    virtual void ReadChoices(OperationInputs&) const {}

protected:
    // When id is one of the group's toggles: turns it on and the others off, and gives
    // its place in the group counted from 0. Otherwise none, touching nothing. The
    // value the toggle sent is not looked at, so pressing the one that is on keeps it on.
    std::optional<size_t> ChooseToggle(std::span<const int> group, int id);

private:
    OperationDialogPlace& place_;
    DialogKind kind_;
    std::span<const int> operationToggles_;
    Operation armed_;
};
