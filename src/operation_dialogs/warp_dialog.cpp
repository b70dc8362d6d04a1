#include "operation_dialogs/warp_dialog.h"

namespace {

// In the order of the dialog's operations.
constexpr int kKindToggles[] = {kWacksCutId, kWacksClipId, kWacksIncId, kWacksDecId, kWacksInverseId, kWacksFillId};

}  // namespace

WarpDialog::WarpDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollOperationDialog(owner, title, place, kWarpDialogTable, DialogKind::Wacks) {}

void WarpDialog::Dismiss() {
    KnollOperationDialog::Dismiss();
    value_.Save(*this);
}

void WarpDialog::OnDialogCommand(int id, int value, int type) {
    ChooseOperation(kKindToggles, id);
    KnollOperationDialog::OnDialogCommand(id, value, type);
}

void WarpDialog::OnDialogReady() {
    KnollOperationDialog::OnDialogReady();
    value_.Restore(*this);
}
