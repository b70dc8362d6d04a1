#include "framework/window/cmd_window.h"

#include "framework/window/app.h"

vCmdWindow::vCmdWindow(const char* name, int width, int height) : vWindow(name, width, height) {
    if (app_) app_->Registry().LinkCmdWindow(this);
}

vCmdWindow::~vCmdWindow() {
    if (app_) app_->Registry().UnlinkCmdWindow(this);
}

void vCmdWindow::Teardown() {
    if (tornDown_ || !app_) {
        vWindow::Teardown();
        return;
    }
    app_->Registry().UnlinkCmdWindow(this);
    vWindow::Teardown();
    if (!app_->Registry().CmdWindows().empty()) return;
    app_->Layout().HideAll();
    app_->OnLastWindowClosed(this);
}
