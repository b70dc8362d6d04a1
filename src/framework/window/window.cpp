#include "framework/window/window.h"

#include <algorithm>

#include "framework/window/app.h"
#include "framework/window/cmd_window.h"
#include "framework/window/command_ids.h"
#include "framework/window/pane.h"

vWindow::vWindow(const char* name, int width, int height)
    : vBaseWindow(name), app_(vApp::Instance()), requestedWidth_(width), requestedHeight_(height), view_(*this) {
    if (requestedWidth_ <= 0) requestedWidth_ = app_ ? app_->DefaultWidth() : 400;
    if (requestedHeight_ <= 0) requestedHeight_ = app_ ? app_->DefaultHeight() : 400;
    if (app_) app_->Registry().LinkWindow(this);
    Build();
}

vWindow::~vWindow() {
    for (vPane* pane : panes_) pane->ForgetWindow();
    if (app_) app_->Registry().WindowDeleted(this);
}

void vWindow::Build() {
    if (built_ || !app_ || !app_->Frame().Exists()) return;
    if (app_->IsSingleWindow()) {
        for (vCmdWindow* other : app_->Registry().CmdWindows()) {
            if (other->IsBuilt()) return;
        }
    }
    CreateView();
}

void vWindow::CreateView() {
    vFrame& frame = app_->Frame();
    handle_ = app_->Registry().TakeWindowId();
    frame.WindowLayer().AddChild(&view_);
    if (app_->IsSingleWindow()) {
        view_.SetMaximized(true);
    } else {
        vRect area = frame.WindowArea();
        int offset = app_->Registry().TakeCascadeStep() * (vWindowView::kCaptionHeight + vWindowView::kBorder);
        view_.SetBounds(area.x + offset, area.y + offset, vWindowView::OuterWidth(requestedWidth_),
                        vWindowView::OuterHeight(requestedHeight_));
    }
    built_ = true;
    tornDown_ = false;
    LayoutClient();
    SetCaption(Name());
    app_->ActivateWindow(this);
}

void vWindow::SetRequestedSize(int width, int height) {
    requestedWidth_ = width;
    requestedHeight_ = height;
}

void vWindow::RemovePane(vPane* pane) { panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end()); }

// ---- Events the application overrides -------------------------------------------------------

void vWindow::OnKey(int key, int shift) {
    if (app_) app_->OnAppKey(this, key, shift);
}

void vWindow::OnMenuItem(int id) { OnCommand(id, id, vMenuCommandType); }

void vWindow::OnCommand(int id, int value, int type) {
    if (app_) app_->OnAppCommand(this, id, value, type);
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
    if (!app_) return;
    std::vector<vWindow*> windows = app_->Registry().Windows();
    for (vWindow* window : windows) window->PutValue(id, value, kind);
}

void vWindow::PutTextEverywhere(int id, const char* text) {
    if (!app_) return;
    std::vector<vWindow*> windows = app_->Registry().Windows();
    for (vWindow* window : windows) window->PutText(id, text);
}

// ---- Placement and title --------------------------------------------------------------------

// A maximized window shows its title in the frame's, as "Frame - [Window]".
void vWindow::SetCaption(const char* text) {
    SetName(text);
    if (!built_ || !app_) return;
    view_.Invalidate();
    if (view_.IsMaximized() && app_->Frame().Platform()) {
        std::string title = app_->Name();
        if (!name_.empty()) title += " - [" + name_ + "]";
        app_->Frame().Platform()->SetFrameTitle(title);
    }
}

void vWindow::QueryPlacement(int& left, int& top, int& width, int& height) {
    const vRect& b = view_.Bounds();
    left = b.x;
    top = b.y - (app_ ? app_->Frame().ClientOrigin() : 0);
    width = b.w;
    height = b.h;
}

// A maximized window stays where it is.
void vWindow::MoveTo(int left, int top) {
    if (!built_ || !app_ || view_.IsMaximized()) return;
    const vRect& b = view_.Bounds();
    view_.SetBounds(left, top + app_->Frame().ClientOrigin(), b.w, b.h);
}

void vWindow::BringToFront() {
    if (!built_ || !app_) return;
    app_->ActivateWindow(this);
    app_->Frame().WindowLayer().RaiseChild(&view_);
}

void vWindow::LayoutClient() {
    if (!built_ || !app_) return;
    if (view_.IsMaximized()) {
        vRect area = app_->Frame().WindowArea();
        view_.SetBounds(area.x, area.y, area.w, area.h);
    }
    PlaceClient(ClientRect());
}

void vWindow::PlaceClient(const vRect& client) {
    if (canvasPane_) canvasPane_->PlaceIn(client);
}

// ---- Teardown, activation, focus ------------------------------------------------------------

void vWindow::Teardown() {
    if (tornDown_) return;
    tornDown_ = true;
    bool wasActive = app_ && app_->ActiveWindow() == this;
    if (wasActive && hasFocus_) FocusLost();
    handle_ = 0;
    built_ = false;
    if (!app_) return;
    app_->Registry().UnlinkWindow(this);
    if (vView* parent = view_.Parent()) parent->RemoveChild(&view_);
    app_->Frame().Forget(&view_);
    if (!wasActive) return;
    for (vCmdWindow* other : app_->Registry().CmdWindows()) {
        if (other->IsBuilt()) {
            app_->ActivateWindow(other);
            return;
        }
    }
}

void vWindow::Activated(vWindow* previous) {
    previousActive_ = previous;
    justActivated_ = true;
}

void vWindow::FocusGained() {
    if (hasFocus_ || !app_) return;
    hasFocus_ = true;
    PutValueEverywhere(vPasteId, app_->ClipboardHasText() ? 1 : 0, StateEnabled);
    if (canvasPane_) canvasPane_->FocusGained();
}

void vWindow::FocusLost() {
    if (!hasFocus_) return;
    hasFocus_ = false;
    if (canvasPane_) canvasPane_->FocusLost();
}
