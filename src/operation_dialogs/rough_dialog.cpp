#include "operation_dialogs/rough_dialog.h"

namespace {

constexpr int kModeToggles[] = {kRoughUpId, kRoughMiddleId, kRoughDownId};

}  // namespace

RoughDialog::RoughDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollOperationDialog(owner, title, place, kRoughDialogTable) {}

void RoughDialog::Dismiss() {
    KnollOperationDialog::Dismiss();
    value_.Save(*this);
}

void RoughDialog::OnDialogCommand(int id, int value, int type) {
    if (int mode = ChooseToggle(kModeToggles, id)) mode_ = mode;
    KnollOperationDialog::OnDialogCommand(id, value, type);
}

void RoughDialog::OnDialogReady() {
    KnollOperationDialog::OnDialogReady();
    value_.Restore(*this);
}
