#include "operation_dialogs/operation_dialog.h"

#include <algorithm>

KnollOperationDialog::KnollOperationDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place,
                                           const CommandObject* table, DialogKind kind,
                                           std::span<const int> operationToggles)
    : vDialog(owner, 0, title),
      place_(place),
      kind_(kind),
      operationToggles_(operationToggles),
      armed_(OperationOfDialog(kind, 0)) {
    AddControls(table);
}

void KnollOperationDialog::OnDialogReady() { MoveTo(place_.left, place_.top); }

void KnollOperationDialog::Dismiss() {
    int width = 0, height = 0;
    QueryPlacement(place_.left, place_.top, width, height);
    vDialog::Dismiss();
}

void KnollOperationDialog::OnDialogCommand(int id, int value, int type) {
    if (std::optional<size_t> place = ChooseToggle(operationToggles_, id)) armed_ = OperationOfDialog(kind_, *place);
    vDialog::OnDialogCommand(id, value, type);
}

std::optional<size_t> KnollOperationDialog::ChooseToggle(std::span<const int> group, int id) {
    auto chosen = std::find(group.begin(), group.end(), id);
    if (chosen == group.end()) return std::nullopt;
    for (int toggle : group) PutValue(toggle, toggle == id ? 1 : 0, StateValue);
    return size_t(chosen - group.begin());
}
