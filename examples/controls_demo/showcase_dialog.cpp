#include "showcase_dialog.h"

#include <cstdio>

#include "demo_tables.h"
#include "framework/window/window.h"

ShowcaseDialog::ShowcaseDialog(vWindow* window) : vDialog(window, 0, "Every control"), window_(window) {
    AddControls(kShowcaseTable);
}

void ShowcaseDialog::OnDialogCommand(int id, int value, int type) {
    char line[64];
    std::snprintf(line, sizeof line, "Dialog: id %d, value %d, type %d", id, value, type);
    window_->PutText(statusLast, line);
    // The button hides and shows what the toggle frame holds.
    if (id == 35) PutValue(32, QueryValue(32) ? 0 : 1, StateValue);
    vDialog::OnDialogCommand(id, value, type);
}
