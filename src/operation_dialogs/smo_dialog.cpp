#include "operation_dialogs/smo_dialog.h"

SmoDialog::SmoDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollOperationDialog(owner, title, place, kSmoDialogTable, DialogKind::Smooth) {}

void SmoDialog::OnDialogCommand(int id, int value, int type) {
    if (id == kSmoothSpinnerId) radius_ = (value - 1) / 2;
    KnollOperationDialog::OnDialogCommand(id, value, type);
}
