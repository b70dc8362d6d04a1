#pragma once

#include "framework/menus/command_pane.h"
#include "framework/menus/menu_pane.h"
#include "framework/window/cmd_window.h"
#include "showcase_dialog.h"

// The example's window: a menu bar with submenus and keys, a command bar, a status
// bar, and the showcase dialog, a notice and the file chooser on call.
class DemoWindow : public vCmdWindow {
public:
    DemoWindow();

    void OnCommand(int id, int value, int type) override;

    void ShowShowcase() { showcase_.Present(); }
    void ShowNotice();
    void ChooseFile(bool save);
    vMenuPane& Menu() { return menu_; }

private:
    void Report(int id, int value, int type);
    void SetGrid(bool on);

    vMenuPane menu_;
    vCommandPane commandBar_;
    vCommandPane statusBar_;
    ShowcaseDialog showcase_;
    bool grid_ = false;
};
