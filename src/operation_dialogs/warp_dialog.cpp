#include "operation_dialogs/warp_dialog.h"

#include <iterator>

#include "ops/operation_table.h"

namespace {

constexpr int kKindToggles[] = {kWacksCutId, kWacksClipId, kWacksIncId, kWacksDecId, kWacksInverseId, kWacksFillId};
// The operation each kind arms, in the order of the toggles.
constexpr int kKindOperations[] = {kOperationCut, kOperationClip, kOperationInc,
                                   kOperationDec, kOperationInverse, kOperationFill};
static_assert(std::size(kKindToggles) == std::size(kKindOperations));

}  // namespace

WarpDialog::WarpDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollOperationDialog(owner, title, place, kWarpDialogTable) {}

void WarpDialog::Dismiss() {
    KnollOperationDialog::Dismiss();
    value_.Save(*this);
}

void WarpDialog::OnDialogCommand(int id, int value, int type) {
    if (int kind = ChooseToggle(kKindToggles, id)) kind_ = kind;
    KnollOperationDialog::OnDialogCommand(id, value, type);
}

int WarpDialog::ArmedOperation() const { return kKindOperations[kind_ - 1]; }

void WarpDialog::OnDialogReady() {
    KnollOperationDialog::OnDialogReady();
    value_.Restore(*this);
}
