#include "framework/dialogs/modal_dialog.h"

#include "framework/platform/platform.h"
#include "framework/window/app.h"

vModalDialog::vModalDialog(vBaseWindow* window, const char* title) : vDialog(window, 1, title) {}

void vModalDialog::OnDialogCommand(int id, int value, int type) {
    vDialog::OnDialogCommand(id, value, type);
    lastId_ = id;
    lastValue_ = value;
    lastType_ = type;
}

void vModalDialog::Dismiss() {
    vDialog::Dismiss();
    isRunning_ = false;
}

bool vModalDialog::DescribeRequest(vModalRequest& request, const char* message) const {
    request.kind = vModalRequest::Kind::Dialog;
    request.title = Name();
    request.text = message ? message : "";
    return true;
}

void vModalDialog::TakeAnswer(const vModalAnswer& answer) {
    vCmd* control = FindControl(answer.id);
    RouteCommand(answer.id, answer.value, control ? control->Type() : 0);
    if (IsShown()) Dismiss();
}

int vModalDialog::RunModal(const char* message, int& value) {
    value = 0;
    if (isRunning_) return 0;
    lastId_ = lastValue_ = lastType_ = 0;
    isRunning_ = true;
    vApp* app = App();
    vModalRequest request;
    vModalAnswer answer;
    bool offered = DescribeRequest(request, message);
    if (offered && app && app->Platform() && app->Platform()->AnswerModal(request, answer)) {
        // The dialog is set up as if shown, then the script's command closes it.
        ShowWith(message, false);
        TakeAnswer(answer);
    } else {
        Present(message);
    }
    if (IsShown()) Dismiss();
    value = lastValue_;
    return lastId_;
}
