#pragma once

#include <string>

#include "core/height_field.h"
#include "ops/drivers.h"

class vBaseWindow;

// The main window's operation dialogs (Rough, Smooth, Wacks, Tiles) and the operation
// they arm. Kinds: 1 Rough, 2 Smooth, 3 Wacks, 4 Tiles.
class KnollOperationDialogs {
public:
    explicit KnollOperationDialogs(vBaseWindow* owner);
    ~KnollOperationDialogs();
    KnollOperationDialogs(const KnollOperationDialogs&) = delete;
    KnollOperationDialogs& operator=(const KnollOperationDialogs&) = delete;

    // Closes the first open dialog found in the order Tiles, Wacks, Smooth, Rough.
    void CloseOpenDialog();
    bool IsShown(int kind) const;
    void Present(int kind, const char* message);

    // Sets the armed operation from the open dialogs; gives its status word, or "" when
    // nothing is armed.
    std::string ArmOperation();
    // Runs the armed operation's driver; a report that did not run when nothing is armed.
    DriverReport RunArmedOperation(HeightField& field, int area);
};
