#pragma once

#include "framework/dialogs/dialog.h"

// A dialog that runs modal: RunModal shows it and returns when it is dismissed, with
// the id and value of the last command that reached it.
class vModalDialog : public vDialog {
public:
    explicit vModalDialog(vBaseWindow* window, const char* title = "");

    void Dismiss() override;
    void OnDialogCommand(int id, int value, int type) override;
    // Returns the id of the last command and stores its value. A dialog that is
    // already running refuses: 0, value 0, and the outer run goes on.
    virtual int RunModal(const char* message, int& value);
    bool IsRunning() const { return isRunning_; }

    int LastId() const { return lastId_; }
    int LastValue() const { return lastValue_; }
    int LastType() const { return lastType_; }

protected:
    // The request a script may answer in place of the user (Dialog by default); false
    // when the dialog is not offered to scripts at all.
    virtual bool DescribeRequest(struct vModalRequest& request, const char* message) const;
    // Acts on a scripted answer: its command reaches the dialog, which then closes.
    void TakeAnswer(const struct vModalAnswer& answer);

private:
    bool isRunning_ = false;
    int lastId_ = 0;
    int lastValue_ = 0;
    int lastType_ = 0;
};
