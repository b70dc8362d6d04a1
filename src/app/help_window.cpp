#include "app/help_window.h"

#include <algorithm>

#include "app/help_text_view.h"
#include "framework/window/app.h"

namespace {

// The frame's room less the window's caption, borders, Close button and margins.
constexpr int kSideUnits = 30;
constexpr int kChromeUnits = 70;

}  // namespace

KnollHelpWindow::KnollHelpWindow(vBaseWindow* owner) : vDialog(owner, 0, "Help") {}

void KnollHelpWindow::ShowTopic(const HelpTopic& topic) {
    text_ = topic.text;
    SetCaption(topic.title.c_str());
    if (!view_) Build();
    else view_->SetText(text_);
    if (!IsShown()) Present();
}

void KnollHelpWindow::OnDialogReady() { SetFocusControl(view_); }

// Sized by the first topic, within the frame's client area.
void KnollHelpWindow::Build() {
    int roomWidth = 0, roomHeight = 0;
    if (vApp* app = App(); app && app->Frame().Exists()) {
        vRect client = app->Frame().ClientArea();
        const vDialogUnits& units = Units();
        roomWidth = client.w * 4 / std::max(units.charWidth, 1) - 2 * kOpenLeftUnits - kSideUnits;
        roomHeight = client.h * 8 / std::max(units.charHeight, 1) - kOpenTopUnits - kChromeUnits;
    }
    table_[0] = {.type = ctText, .id = kTextId, .attributes = AttrNoBorder};
    table_[1] = {.type = ctButton, .id = vDoneId, .title = " Close ", .attributes = AttrDefault, .below = kTextId};
    table_[2] = {};
    view_ = new HelpTextView(this, table_[0], text_, roomWidth, roomHeight);
    AdoptControl(table_[0], view_);
    AddControls(&table_[1]);
}
