#pragma once

#include <array>
#include <memory>
#include <string>

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

// The main window's operation dialogs (Rough, Smooth, Wacks, Tiles), its two test
// dialogs, and the operation armed from them.
class KnollOperationDialogs {
public:
    explicit KnollOperationDialogs(vBaseWindow* owner);
    ~KnollOperationDialogs();
    KnollOperationDialogs(const KnollOperationDialogs&) = delete;
    KnollOperationDialogs& operator=(const KnollOperationDialogs&) = delete;

    // Closes the first open dialog found in the order Tiles, Wacks, Smooth, Rough.
    void CloseOpenDialog();
    bool IsShown(DialogKind kind) const;
    void Present(DialogKind kind, const char* message);

    // Sets the armed operation from the open dialogs; gives its status word, or "" when
    // nothing is armed.
    std::string ArmOperation();
    // Runs the armed operation on the document, a roughen from seed; a report that did
    // not run when nothing is armed.
    DriverReport RunArmedOperation(FieldDocument& document, int area, uint32_t seed);
    Operation ArmedOperation() const { return armed_; }

    RoughDialog& Rough() { return *rough_; }
    SmoDialog& Smooth() { return *smooth_; }
    WarpDialog& Wacks() { return *wacks_; }
    TileDialog& Tiles() { return *tiles_; }
    KnollOperationDialog& Dialog(DialogKind kind) const;
    const OperationDialogPlace& Place() const { return place_; }

private:
    OperationDialogPlace place_;
    std::unique_ptr<KnollDialog> testDialog_;
    std::unique_ptr<KnollModalDialog> modalTestDialog_;
    std::unique_ptr<RoughDialog> rough_;
    std::unique_ptr<SmoDialog> smooth_;
    std::unique_ptr<WarpDialog> wacks_;
    std::unique_ptr<TileDialog> tiles_;
    // The four in the order of their kinds.
    std::array<KnollOperationDialog*, 4> byKind_;
    Operation armed_ = Operation::None;
};
