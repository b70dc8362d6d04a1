#pragma once

#include "framework/controls/command_object.h"
#include "framework/dialogs/dialog.h"
#include "framework/dialogs/modal_dialog.h"

inline constexpr int kTestButtonId = 1001;

// The table both test dialogs are built from.
inline constexpr CommandObject kTestDialogTable[] = {
    {.type = ctLabel, .id = 1000, .title = "X", .attributes = AttrMessage},
    {.type = ctButton, .id = vCancelId, .title = " Cancel "},
    {.type = ctButton, .id = vOkId, .title = " OK ", .attributes = AttrDefault},
    {.type = ctButton, .id = kTestButtonId, .title = " Test "},
    {},
};

// Two dialogs the main window keeps from its construction to its destruction; nothing
// in the program shows them. " Test " shows the notice "Test Dialog".
class KnollDialog : public vDialog {
public:
    explicit KnollDialog(vBaseWindow* owner);
    void OnDialogCommand(int id, int value, int type) override;
};

class KnollModalDialog : public vModalDialog {
public:
    explicit KnollModalDialog(vBaseWindow* owner);
    void OnDialogCommand(int id, int value, int type) override;
};
