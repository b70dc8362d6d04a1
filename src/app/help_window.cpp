#include "app/help_window.h"

#include <algorithm>

#include "app/help_text_view.h"
#include "framework/window/app.h"

namespace {

// The widest text is read without turning the head; the rest of the frame's height
// goes to the text, less the window's caption, the Close button and the margins.
constexpr int kWidestColumns = 100;
constexpr int kSideUnits = 40;
constexpr int kChromeUnits = 70;
constexpr int kRowUnits = 10;
constexpr int kCharUnits = 4;

}  // namespace

KnollHelpWindow::KnollHelpWindow(vBaseWindow* owner) : vDialog(owner, 0, "Help") {}

void KnollHelpWindow::ShowTopic(const HelpTopic& topic) {
    text_ = topic.text;
    SetCaption(topic.title.c_str());
    if (!view_) Build();
    else view_->SetText(text_);
    if (!IsShown()) Present();
}

// Sized by the first topic, within the frame's client area.
void KnollHelpWindow::Build() {
    int widthUnits = 0, heightUnits = 0;
    if (vApp* app = App(); app && app->Frame().Exists()) {
        vRect client = app->Frame().ClientArea();
        const vDialogUnits& units = Units();
        widthUnits = client.w * 4 / std::max(units.charWidth, 1) - 2 * kOpenLeftUnits - kSideUnits;
        heightUnits = client.h * 8 / std::max(units.charHeight, 1) - kOpenTopUnits - kChromeUnits;
    }
    int maxColumns = std::min(kWidestColumns, widthUnits / kCharUnits);
    int maxRows = heightUnits / kRowUnits;
    table_[0] = {.type = ctText, .id = kTextId, .attributes = AttrNoBorder};
    table_[1] = {.type = ctButton, .id = vDoneId, .title = " Close ", .attributes = AttrDefault, .below = kTextId};
    table_[2] = {};
    view_ = new HelpTextView(this, table_[0], text_, maxColumns, maxRows);
    AdoptControl(table_[0], view_);
    AddControls(&table_[1]);
}
