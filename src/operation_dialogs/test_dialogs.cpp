#include "operation_dialogs/test_dialogs.h"

#include "framework/dialogs/notice_dialog.h"

namespace {

void ShowTestNotice(vBaseWindow* owner) {
    vNoticeDialog notice(owner, "Notice");
    notice.ShowNotice("Test Dialog");
}

}  // namespace

KnollDialog::KnollDialog(vBaseWindow* owner) : vDialog(owner, 0, "Test Dialog") { AddControls(kTestDialogTable); }

void KnollDialog::OnDialogCommand(int id, int value, int type) {
    if (id == kTestButtonId) ShowTestNotice(Owner());
    vDialog::OnDialogCommand(id, value, type);
}

KnollModalDialog::KnollModalDialog(vBaseWindow* owner) : vModalDialog(owner, owner ? owner->Name() : "") {
    AddControls(kTestDialogTable);
}

void KnollModalDialog::OnDialogCommand(int id, int value, int type) {
    if (id == kTestButtonId) ShowTestNotice(Owner());
    vModalDialog::OnDialogCommand(id, value, type);
}
