#pragma once

#include "framework/controls/command_object.h"
#include "operation_dialogs/value_dialog.h"

inline constexpr int kErodeRainId = 1001;
inline constexpr int kErodeSlumpId = 1002;
inline constexpr int kErodeValueId = 1004;

inline constexpr CommandObject kErodeDialogTable[] = {
    {.type = ctToggleButton, .id = kErodeRainId, .value = 1, .title = "  Rain  ",
     .tip = "droplets wash soil down and lay it where they slow"},
    {.type = ctToggleButton, .id = kErodeSlumpId, .title = " Slump ", .rightOf = kErodeRainId,
     .tip = "steep slopes slide down to their angle of repose"},
    {.type = ctSpacer, .id = 1005, .title = "         ", .below = kErodeRainId},
    {.type = ctLabel, .id = 1003, .title = " VALUE", .attributes = AttrNoBorder, .below = 1005},
    {.type = ctTextIn, .id = kErodeValueId, .title = "50", .rightOf = 1005, .below = 1005, .size = 8},
    {.type = ctSpacer, .id = 1006, .title = "       ", .below = kErodeValueId},
    {.type = ctButton, .id = vCancelId, .title = " Exit ", .attributes = AttrDefault, .rightOf = 1006,
     .below = kErodeValueId},
    {},
};

// In the order of the dialog's operations.
inline constexpr int kErodeOperationToggles[] = {kErodeRainId, kErodeSlumpId};

// "Erode": Rain (droplets per 100 positions) or Slump (passes), and the VALUE text.
class ErodeDialog : public KnollValueDialog {
public:
    ErodeDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
        : KnollValueDialog(owner, title, place, kErodeDialogTable, DialogKind::Erode, kErodeOperationToggles,
                           kErodeValueId) {}
};
