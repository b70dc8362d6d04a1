#include "framework/window/base_window.h"

#include "framework/window/app.h"

vApp* vBaseWindow::AppOf(const vBaseWindow* owner) { return owner ? owner->App() : vApp::Instance(); }
