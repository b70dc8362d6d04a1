#include "framework/window/pane.h"

#include "framework/window/app.h"
#include "framework/window/window.h"

vApp* vPane::WindowApp() const { return window_ ? window_->App() : App(); }

vPane::~vPane() {
    vApp* app = WindowApp();
    if (app) app->Layout().RemoveBar(this);
    if (!window_) return;
    window_->RemovePane(this);
    if (window_->MenuPane() == this) window_->SetMenuPane(nullptr);
}

void vPane::ShowPane(int on) {
    bool wanted = on != 0;
    if (paneOn_ == wanted) return;
    paneOn_ = wanted;
    if (vApp* app = WindowApp()) {
        app->Layout().ShowActiveBars();
        app->Layout().Arrange();
    }
}
