#pragma once

#include "framework/controls/command_object.h"
#include "operation_dialogs/value_dialog.h"
#include "ops/roughen.h"

inline constexpr int kRoughUpId = 1001;
inline constexpr int kRoughMiddleId = 1002;
inline constexpr int kRoughDownId = 1003;
inline constexpr int kRoughValueId = 1008;

inline constexpr CommandObject kRoughDialogTable[] = {
    {.type = ctToggleButton, .id = kRoughUpId, .title = "   Up   "},
    {.type = ctToggleButton, .id = kRoughMiddleId, .value = 1, .title = " Middle ", .rightOf = kRoughUpId},
    {.type = ctToggleButton, .id = kRoughDownId, .title = "  Down  ", .rightOf = kRoughMiddleId},
    {.type = ctSpacer, .id = 1006, .title = "                  ", .below = kRoughDownId},
    {.type = ctLabel, .id = 1007, .title = "          VALUE", .attributes = AttrNoBorder, .below = 1006},
    {.type = ctTextIn, .id = kRoughValueId, .title = "16", .rightOf = 1006, .below = 1006, .size = 8},
    {.type = ctSpacer, .id = 1004, .title = "       ", .below = kRoughValueId},
    {.type = ctSpacer, .id = 1005, .title = "                  ", .below = 1004},
    {.type = ctButton, .id = vCancelId, .title = " Exit ", .rightOf = 1005, .below = 1004},
    {},
};

// "Rough": the roughen mode and the VALUE text.
class RoughDialog : public KnollValueDialog {
public:
    RoughDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place);

    void OnDialogCommand(int id, int value, int type) override;
    void ReadChoices(OperationInputs& inputs) const override { inputs.mode = int(mode_); }

    RoughMode Mode() const { return mode_; }

private:
    RoughMode mode_ = RoughMode::Middle;
};
