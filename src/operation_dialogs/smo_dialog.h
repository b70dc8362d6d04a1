#pragma once

#include "framework/controls/command_object.h"
#include "operation_dialogs/operation_dialog.h"

inline constexpr int kSmoothSpinnerId = 1002;
// Spinner values 3, 5, ..., 21: the width of the smoothing window.
inline constexpr int kSmoothSpinnerRange[] = {3, 21, 2};

inline constexpr CommandObject kSmoDialogTable[] = {
    {.type = ctText, .id = 1001, .title = "", .items = "  Pixels Squared", .attributes = AttrNoBorder},
    {.type = ctSpinner, .id = kSmoothSpinnerId, .title = "Vbox", .items = kSmoothSpinnerRange, .rightOf = 1001},
    {.type = ctSpacer, .id = 1003, .title = "       ", .below = kSmoothSpinnerId},
    {.type = ctButton, .id = vCancelId, .title = " Exit ", .rightOf = 1003, .below = 1003},
    {},
};

// "Smooth": the radius of the smoothing window, from the spinner's width.
class SmoDialog : public KnollOperationDialog {
public:
    SmoDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place);

    void OnDialogCommand(int id, int value, int type) override;
    void ReadChoices(OperationInputs& inputs) const override { inputs.radius = radius_; }

    int Radius() const { return radius_; }

private:
    int radius_ = 1;
};
