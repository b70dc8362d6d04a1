#include "framework/dialogs/dialog.h"

#include <algorithm>

#include "framework/window/app.h"

vDialog::vDialog(vBaseWindow* window, int modal, const char* title)
    : vBaseWindow(title), vCmdParent(vParentDialog), owner_(window), modal_(modal != 0), view_(*this) {
    view_.Host().SetToolTip(&tip_);
}

vDialog::~vDialog() {
    if (shown_) Close();
}

void vDialog::AddControls(const CommandObject* table) {
    for (const CommandObject* record = table; record && record->type != ctEnd && !BuildFailed(); ++record) {
        AdoptControl(*record, MakeControl(*record));
    }
}

void vDialog::AdoptControl(const CommandObject&, vCmd* control) { AdoptMadeControl(control); }

void vDialog::SetCaption(const char* text) {
    vBaseWindow::SetCaption(text);
    view_.Invalidate();
}

void vDialog::RouteCommand(int id, int value, int type) { OnDialogCommand(id, value, type); }

void vDialog::OnDialogCommand(int id, int, int) {
    if (id == vCancelId) RevertAndClose();
    else if (id == vDoneId || id == vOkId) Dismiss();
}

void vDialog::RevertAndClose() {
    for (auto it = Controls().rbegin(); it != Controls().rend(); ++it) (*it)->Revert();
    Dismiss();
}

void vDialog::Present(const char* message) {
    if (shown_) return;
    ShowWith(message, true);
    if (modal_ && shown_ && !RunModalLoop() && shown_) Dismiss();
}

void vDialog::ShowWith(const char* message, bool onScreen) {
    if (message && *message) {
        for (const auto& control : Controls()) {
            if (control->Attributes() & AttrMessage) control->TakeMessage(message);
        }
    }
    for (const auto& control : Controls()) control->Remember();
    shown_ = true;
    Open(onScreen);
}

bool vDialog::Open(bool onScreen) {
    vApp* app = App();
    bool hasFrame = onScreen && app && app->Frame().Exists();
    if (hasFrame) {
        vDialogUnits units = Units();
        int width = vDialogView::OuterWidth(ClientPixelWidth()), height = vDialogView::OuterHeight(ClientPixelHeight());
        left_ = units.X(kOpenLeftUnits);
        top_ = units.Y(kOpenTopUnits);
        view_.SetBounds(left_, top_ + app->Frame().ClientOrigin(), width, height);
        app->Frame().AddFloating(&view_);
        app->Frame().RememberFocus(this);
    }
    view_.Invalidate();
    StartControls();
    if (hasFrame) app->Frame().SetFocus(&view_);
    OnDialogReady();
    return hasFrame;
}

bool vDialog::RunModalLoop() {
    vApp* app = App();
    if (!app) return false;
    return app->Loop().RunModal(&view_, [this] { return !shown_; });
}

void vDialog::Dismiss() {
    if (!shown_) return;
    Close();
}

// Takes the floating window away; a modal dialog gives the keyboard back to whoever
// had it before.
void vDialog::Close() {
    shown_ = false;
    tip_.Hide();
    view_.Host().Hold(false);
    // The view's own frame: a dialog closed as it dies must not look for an application.
    vFrame* shownIn = view_.Frame();
    if (!shownIn) return;
    vFrame& frame = *shownIn;
    vView* before = frame.RecallFocus(this);
    if (!frame.IsFloating(&view_)) return;
    vView* restore = modal_ && frame.IsFloating(before) ? before : nullptr;
    if (frame.Focus() && frame.Focus()->IsInside(&view_)) frame.SetFocus(restore);
    frame.RemoveFloating(&view_);
}

void vDialog::QueryPlacement(int& left, int& top, int& width, int& height) {
    vApp* app = App();
    width = vDialogView::OuterWidth(ClientPixelWidth());
    height = vDialogView::OuterHeight(ClientPixelHeight());
    if (shown_ && app && app->Frame().IsFloating(&view_)) {
        left_ = view_.Bounds().x;
        top_ = view_.Bounds().y - app->Frame().ClientOrigin();
    }
    left = left_ < 0 ? Units().X(kOpenLeftUnits) : left_;
    top = top_ < 0 ? Units().Y(kOpenTopUnits) : top_;
}

void vDialog::CentreOverFrame(Larger larger) {
    vApp* app = App();
    if (!app || !app->Frame().Exists()) return;
    int left = 0, top = 0, width = 0, height = 0;
    QueryPlacement(left, top, width, height);
    vRect client = app->Frame().ClientArea();
    if (width < client.w || larger == Larger::kAtEdge) left = std::max(0, (client.w - width) / 2);
    if (height < client.h || larger == Larger::kAtEdge) top = std::max(0, (client.h - height) / 2);
    MoveTo(left, top);
}

void vDialog::MoveTo(int left, int top) {
    left_ = left;
    top_ = top;
    vApp* app = App();
    if (!shown_ || !app || !app->Frame().IsFloating(&view_)) return;
    const vRect& b = view_.Bounds();
    view_.MoveBy(left - b.x, top + app->Frame().ClientOrigin() - b.y);
}
