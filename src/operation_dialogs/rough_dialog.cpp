#include "operation_dialogs/rough_dialog.h"

#include <iterator>

namespace {

constexpr int kModeToggles[] = {kRoughUpId, kRoughMiddleId, kRoughDownId};
constexpr RoughMode kModes[] = {RoughMode::Up, RoughMode::Middle, RoughMode::Down};
static_assert(std::size(kModeToggles) == std::size(kModes));

}  // namespace

RoughDialog::RoughDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollOperationDialog(owner, title, place, kRoughDialogTable, DialogKind::Rough) {}

void RoughDialog::Dismiss() {
    KnollOperationDialog::Dismiss();
    value_.Save(*this);
}

void RoughDialog::OnDialogCommand(int id, int value, int type) {
    if (std::optional<size_t> place = ChooseToggle(kModeToggles, id)) mode_ = kModes[*place];
    KnollOperationDialog::OnDialogCommand(id, value, type);
}

void RoughDialog::OnDialogReady() {
    KnollOperationDialog::OnDialogReady();
    value_.Restore(*this);
}
