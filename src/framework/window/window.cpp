#include "framework/window/window.h"

#include <algorithm>

#include "framework/window/app.h"
#include "framework/window/cmd_window.h"
#include "framework/window/command_ids.h"
#include "framework/window/pane.h"

vWindow::vWindow(const char* name, int width, int height)
    : vBaseWindow(name), requestedWidth_(width), requestedHeight_(height), view_(*this) {
    vApp* app = vApp::Instance();
    if (requestedWidth_ <= 0) requestedWidth_ = app ? app->DefaultWidth() : 400;
    if (requestedHeight_ <= 0) requestedHeight_ = app ? app->DefaultHeight() : 400;
    if (app) app->LinkWindow(this);
    Build();
}

vWindow::~vWindow() {
    for (vPane* pane : panes_) pane->ForgetWindow();
    if (vApp* app = vApp::Instance()) app->WindowDeleted(this);
}

void vWindow::Build() {
    vApp* app = vApp::Instance();
    if (built_ || !app || !app->Frame().Exists()) return;
    if (app->IsSingleWindow()) {
        for (vCmdWindow* other : app->CmdWindows()) {
            if (other->IsBuilt()) return;
        }
    }
    CreateView();
}

void vWindow::CreateView() {
    vApp* app = vApp::Instance();
    vFrame& frame = app->Frame();
    handle_ = app->TakeWindowId();
    frame.WindowLayer().AddChild(&view_);
    if (app->IsSingleWindow()) {
        view_.SetMaximized(true);
    } else {
        vRect area = frame.WindowArea();
        int offset = app->TakeCascadeStep() * (vWindowView::kCaptionHeight + vWindowView::kBorder);
        view_.SetBounds(area.x + offset, area.y + offset, vWindowView::OuterWidth(requestedWidth_),
                        vWindowView::OuterHeight(requestedHeight_));
    }
    built_ = true;
    tornDown_ = false;
    LayoutClient();
    SetCaption(Name());
    app->ActivateWindow(this);
}

void vWindow::SetRequestedSize(int width, int height) {
    requestedWidth_ = width;
    requestedHeight_ = height;
}

void vWindow::RemovePane(vPane* pane) { panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end()); }

// ---- Events the application overrides -------------------------------------------------------

void vWindow::OnKey(int key, int shift) {
    if (vApp* app = vApp::Instance()) app->OnAppKey(this, key, shift);
}

void vWindow::OnMenuItem(int id) { OnCommand(id, id, vMenuCommandType); }

void vWindow::OnCommand(int id, int value, int type) {
    if (vApp* app = vApp::Instance()) app->OnAppCommand(this, id, value, type);
}

void vWindow::DispatchKey(int key, int shift) {
    int id = 0;
    if (menuPane_ && menuPane_->FindKeyItem(key, shift, id)) {
        OnMenuItem(id);
        return;
    }
    OnKey(key, shift);
}

// ---- Panes ----------------------------------------------------------------------------------

void vWindow::AddPane(vPane* pane) {
    if (!pane) return;
    panes_.push_back(pane);
    pane->Attach(this);
}

int vWindow::QueryValue(int id) {
    for (vPane* pane : panes_) {
        int value = 0;
        if (pane->QueryValue(id, value)) return value;
    }
    return 0;
}

int vWindow::QueryText(int id, char* buffer, int capacity) {
    for (vPane* pane : panes_) {
        if (pane->QueryText(id, buffer, capacity)) return 1;
    }
    return 0;
}

void vWindow::PutValue(int id, int value, int kind) {
    for (vPane* pane : panes_) pane->PutValue(id, value, kind);
}

void vWindow::PutText(int id, const char* text) {
    for (vPane* pane : panes_) pane->PutText(id, text);
}

void vWindow::PutValueEverywhere(int id, int value, int kind) {
    vApp* app = vApp::Instance();
    if (!app) return;
    std::vector<vWindow*> windows = app->Windows();
    for (vWindow* window : windows) window->PutValue(id, value, kind);
}

void vWindow::PutTextEverywhere(int id, const char* text) {
    vApp* app = vApp::Instance();
    if (!app) return;
    std::vector<vWindow*> windows = app->Windows();
    for (vWindow* window : windows) window->PutText(id, text);
}

// ---- Placement and title --------------------------------------------------------------------

// A maximized window shows its title in the frame's, as "Frame - [Window]".
void vWindow::SetCaption(const char* text) {
    SetName(text);
    vApp* app = vApp::Instance();
    if (!built_ || !app) return;
    view_.Invalidate();
    if (view_.IsMaximized() && app->Frame().Platform()) {
        std::string title = app->Name();
        if (!name_.empty()) title += " - [" + name_ + "]";
        app->Frame().Platform()->SetFrameTitle(title);
    }
}

void vWindow::QueryPlacement(int& left, int& top, int& width, int& height) {
    vApp* app = vApp::Instance();
    const vRect& b = view_.Bounds();
    left = b.x;
    top = b.y - (app ? app->Frame().ClientOrigin() : 0);
    width = b.w;
    height = b.h;
}

// A maximized window stays where it is.
void vWindow::MoveTo(int left, int top) {
    vApp* app = vApp::Instance();
    if (!built_ || !app || view_.IsMaximized()) return;
    const vRect& b = view_.Bounds();
    view_.SetBounds(left, top + app->Frame().ClientOrigin(), b.w, b.h);
}

void vWindow::BringToFront() {
    vApp* app = vApp::Instance();
    if (!built_ || !app) return;
    app->ActivateWindow(this);
    app->Frame().WindowLayer().RaiseChild(&view_);
}

void vWindow::LayoutClient() {
    vApp* app = vApp::Instance();
    if (!built_ || !app) return;
    if (view_.IsMaximized()) {
        vRect area = app->Frame().WindowArea();
        view_.SetBounds(area.x, area.y, area.w, area.h);
    }
    if (canvasPane_) canvasPane_->PlaceIn(ClientRect());
}

// ---- Teardown, activation, focus ------------------------------------------------------------

void vWindow::Teardown() {
    vApp* app = vApp::Instance();
    if (tornDown_) return;
    tornDown_ = true;
    bool wasActive = app && app->ActiveWindow() == this;
    if (wasActive && hasFocus_) FocusLost();
    handle_ = 0;
    built_ = false;
    if (!app) return;
    app->UnlinkWindow(this);
    if (vView* parent = view_.Parent()) parent->RemoveChild(&view_);
    app->Frame().Forget(&view_);
    if (!wasActive) return;
    for (vCmdWindow* other : app->CmdWindows()) {
        if (other->IsBuilt()) {
            app->ActivateWindow(other);
            return;
        }
    }
}

void vWindow::Activated(vWindow* previous) {
    previousActive_ = previous;
    justActivated_ = true;
}

void vWindow::FocusGained() {
    vApp* app = vApp::Instance();
    if (hasFocus_ || !app) return;
    hasFocus_ = true;
    PutValueEverywhere(vPasteId, app->ClipboardHasText() ? 1 : 0, StateEnabled);
    if (canvasPane_) canvasPane_->FocusGained();
}

void vWindow::FocusLost() {
    if (!hasFocus_) return;
    hasFocus_ = false;
    if (canvasPane_) canvasPane_->FocusLost();
}
