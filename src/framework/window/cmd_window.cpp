#include "framework/window/cmd_window.h"

#include "framework/window/app.h"

vCmdWindow::vCmdWindow(const char* name, int width, int height) : vWindow(name, width, height) {
    if (vApp* app = vApp::Instance()) app->LinkCmdWindow(this);
}

vCmdWindow::~vCmdWindow() {
    if (vApp* app = vApp::Instance()) app->UnlinkCmdWindow(this);
}

void vCmdWindow::Teardown() {
    vApp* app = vApp::Instance();
    if (tornDown_ || !app) {
        vWindow::Teardown();
        return;
    }
    app->UnlinkCmdWindow(this);
    vWindow::Teardown();
    if (app->CmdWindowCount() > 0) return;
    app->HideAllPanes();
    app->OnLastWindowClosed(this);
}
