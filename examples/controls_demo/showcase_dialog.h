#pragma once

#include "framework/dialogs/dialog.h"

class vWindow;

// A modeless dialog with a control of every type. Each command it hears is shown in
// the window's status bar.
class ShowcaseDialog : public vDialog {
public:
    explicit ShowcaseDialog(vWindow* window);

    void OnDialogCommand(int id, int value, int type) override;

private:
    vWindow* window_;
};
