#include "framework/window/cmd_window.h"

#include "framework/window/app.h"

vCmdWindow::vCmdWindow(const char* name, int width, int height) : vWindow(name, width, height) {
    if (app_) app_->LinkCmdWindow(this);
}

vCmdWindow::~vCmdWindow() {
    if (app_) app_->UnlinkCmdWindow(this);
}

void vCmdWindow::Teardown() {
    if (tornDown_ || !app_) {
        vWindow::Teardown();
        return;
    }
    app_->UnlinkCmdWindow(this);
    vWindow::Teardown();
    if (app_->CmdWindowCount() > 0) return;
    app_->HideAllPanes();
    app_->OnLastWindowClosed(this);
}
