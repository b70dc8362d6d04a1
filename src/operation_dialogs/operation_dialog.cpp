#include "operation_dialogs/operation_dialog.h"

KnollOperationDialog::KnollOperationDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place,
                                           const CommandObject* table)
    : vDialog(owner, 0, title), place_(place) {
    AddControls(table);
}

void KnollOperationDialog::OnDialogReady() { MoveTo(place_.left, place_.top); }

void KnollOperationDialog::Dismiss() {
    int width = 0, height = 0;
    QueryPlacement(place_.left, place_.top, width, height);
    vDialog::Dismiss();
}

int KnollOperationDialog::ChooseToggle(std::span<const int> group, int id) {
    int chosen = 0;
    for (size_t i = 0; i < group.size(); ++i) {
        if (group[i] == id) chosen = int(i) + 1;
    }
    if (chosen == 0) return 0;
    for (int toggle : group) PutValue(toggle, toggle == id ? 1 : 0, StateValue);
    return chosen;
}
