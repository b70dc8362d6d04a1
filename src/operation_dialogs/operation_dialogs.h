#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/height_field.h"
#include "document/field_document.h"
#include "operation_dialogs/operation_dialog.h"
#include "ops/operation_table.h"

class vBaseWindow;
class RoughDialog;
class SmoDialog;
class WarpDialog;
class TileDialog;
class KnollDialog;
class KnollModalDialog;

// One record per operation dialog, in the order of their kinds: the dialog and the
// toggle of the main window's command bar that shows it.
struct OperationDialogRecord {
    DialogKind kind;
    const char* title;  // the dialog's and its toggle's
    int toggleId;       // the toggle's command id
    const char* tip;
    const char* words;  // shown in the message field when the toggle is pressed
    // A spacer of fourteen blanks with this id stands before the toggle, when not 0.
    int spacerId;
    std::unique_ptr<KnollOperationDialog> (*make)(vBaseWindow* owner, const char* title, OperationDialogPlace& place);
};

std::span<const OperationDialogRecord> OperationDialogRecords();
const OperationDialogRecord& DialogRecordOf(DialogKind kind);
// The record of the dialog whose toggle sends this command, or null.
const OperationDialogRecord* FindDialogOfToggle(int commandId);

// The main window's operation dialogs, held by their kinds, its two test dialogs, and
// the operation armed from them.
class KnollOperationDialogs {
public:
    explicit KnollOperationDialogs(vBaseWindow* owner);
    ~KnollOperationDialogs();
    KnollOperationDialogs(const KnollOperationDialogs&) = delete;
    KnollOperationDialogs& operator=(const KnollOperationDialogs&) = delete;

    // Closes the first open dialog found from the last kind back.
    void CloseOpenDialog();
    bool IsShown(DialogKind kind) const;
    void Present(DialogKind kind, const char* message);

    // Sets the armed operation from the open dialogs; gives its status word, or "" when
    // nothing is armed.
    std::string ArmOperation();
    // Runs the armed operation on the document with the inputs its dialog gives, a
    // roughen or rain from seed; a report that did not run when nothing is armed.
    DriverReport RunArmedOperation(FieldDocument& document, int area, uint32_t seed);
    Operation ArmedOperation() const { return armed_; }

    KnollOperationDialog& Dialog(DialogKind kind) const;
    RoughDialog& Rough() const;
    SmoDialog& Smooth() const;
    WarpDialog& Wacks() const;
    TileDialog& Tiles() const;
    const OperationDialogPlace& Place() const { return place_; }

private:
    OperationDialogPlace place_;
    std::unique_ptr<KnollDialog> testDialog_;
    std::unique_ptr<KnollModalDialog> modalTestDialog_;
    std::vector<std::unique_ptr<KnollOperationDialog>> byKind_;
    Operation armed_ = Operation::None;
};
