#pragma once

#include "framework/controls/command_object.h"
#include "operation_dialogs/value_dialog.h"

inline constexpr int kWacksCutId = 1003;
inline constexpr int kWacksClipId = 1004;
inline constexpr int kWacksIncId = 1005;
inline constexpr int kWacksDecId = 1006;
inline constexpr int kWacksInverseId = 1007;
inline constexpr int kWacksFillId = 1008;
inline constexpr int kWacksValueId = 1002;

inline constexpr CommandObject kWarpDialogTable[] = {
    {.type = ctToggleButton, .id = kWacksCutId, .value = 1, .title = " Cut ", .tip = "cut lower values off"},
    {.type = ctToggleButton, .id = kWacksClipId, .title = " Clip  ", .rightOf = kWacksCutId,
     .tip = "bring Higher values Down to"},
    {.type = ctToggleButton, .id = kWacksIncId, .title = " INC ", .below = kWacksCutId, .tip = "Add Value to"},
    {.type = ctToggleButton, .id = kWacksDecId, .title = "  DEC  ", .rightOf = kWacksIncId, .below = kWacksCutId,
     .tip = "Subtract Value from"},
    {.type = ctSpacer, .id = 1011, .title = "    ", .below = kWacksIncId},
    {.type = ctToggleButton, .id = kWacksFillId, .title = "  FILL  ", .rightOf = 1011, .below = kWacksIncId,
     .tip = "Fill with Value"},
    {.type = ctToggleButton, .id = kWacksInverseId, .title = " Inverse ", .rightOf = 1011, .below = kWacksFillId,
     .tip = "Inverse Values"},
    {.type = ctSpacer, .id = 1009, .title = "         ", .below = kWacksInverseId},
    {.type = ctLabel, .id = 1001, .title = " VALUE", .attributes = AttrNoBorder, .below = 1009},
    {.type = ctTextIn, .id = kWacksValueId, .title = "128", .rightOf = 1009, .below = 1009, .size = 8},
    {.type = ctSpacer, .id = 1010, .title = "       ", .below = kWacksValueId},
    {.type = ctButton, .id = vCancelId, .title = " Exit ", .attributes = AttrDefault, .rightOf = 1010,
     .below = kWacksValueId},
    {},
};

// In the order of the dialog's operations.
inline constexpr int kWacksOperationToggles[] = {kWacksCutId, kWacksClipId, kWacksIncId,
                                                 kWacksDecId, kWacksInverseId, kWacksFillId};

// "Wacks": which value operation (Cut, Clip, INC, DEC, Inverse, FILL) and the VALUE text.
class WarpDialog : public KnollValueDialog {
public:
    WarpDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
        : KnollValueDialog(owner, title, place, kWarpDialogTable, DialogKind::Wacks, kWacksOperationToggles,
                           kWacksValueId) {}
};
