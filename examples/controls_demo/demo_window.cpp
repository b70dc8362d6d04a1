#include "demo_window.h"

#include <cstdio>

#include "demo_tables.h"
#include "framework/dialogs/file_select.h"
#include "framework/dialogs/notice_dialog.h"
#include "framework/window/app.h"

DemoWindow::DemoWindow()
    : vCmdWindow("Controls Demo", 900, 600),
      menu_(kDemoMenuBar),
      commandBar_(kDemoCommandBar),
      statusBar_(kDemoStatusBar),
      showcase_(this) {
    AddPane(&menu_);
    AddPane(&commandBar_);
    AddPane(&statusBar_);
}

void DemoWindow::Report(int id, int value, int type) {
    char line[64];
    std::snprintf(line, sizeof line, "Last command: %d, %d, %d", id, value, type);
    PutText(statusLast, line);
}

void DemoWindow::SetGrid(bool on) {
    grid_ = on;
    PutValue(cmdGrid, on, StateChecked);
    PutValue(cmdGridToggle, on, StateValue);
    PutText(statusGrid, on ? "Grid: on " : "Grid: off ");
}

void DemoWindow::ShowNotice() {
    vNoticeDialog notice(this);
    notice.ShowNotice("The field was saved.\n\nThis is a notice box: only OK closes it.");
}

void DemoWindow::ChooseFile(bool save) {
    static const char* const patterns[] = {"*.tga", "*.ppm", "*", nullptr};
    static int filterIndex = 2;
    char name[256] = "";
    vFileSelect chooser(this);
    int chosen = save ? chooser.PickFileToSave("Save As", name, sizeof name, patterns, filterIndex, 0, nullptr)
                      : chooser.PickFileToOpen("Open", name, sizeof name, patterns, filterIndex);
    PutText(statusReady, chosen ? " Chosen " : " Cancelled ");
    if (chosen) PutText(statusLast, name);
}

void DemoWindow::OnCommand(int id, int value, int type) {
    Report(id, value, type);
    switch (id) {
    case cmdShowcase: case cmdDialogButton: ShowShowcase(); break;
    case cmdNotice: case cmdNoticeButton: case cmdAbout: ShowNotice(); break;
    case cmdOpen: case cmdOpenButton: ChooseFile(false); break;
    case cmdSave: ChooseFile(true); break;
    case cmdGrid: SetGrid(!grid_); break;
    case cmdGridToggle: SetGrid(value != 0); break;
    case cmdLevelOne: case cmdLevelTwo:
        PutValue(cmdLevelOne, id == cmdLevelOne, StateChecked);
        PutValue(cmdLevelTwo, id == cmdLevelTwo, StateChecked);
        break;
    case cmdExit: vApp::Instance()->Quit(); break;
    default: vCmdWindow::OnCommand(id, value, type); break;
    }
}
