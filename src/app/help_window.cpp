#include "app/help_window.h"

KnollHelpWindow::KnollHelpWindow(vBaseWindow* owner) : vDialog(owner, 0, "Help") {}

void KnollHelpWindow::ShowTopic(const HelpTopic& topic) {
    text_ = topic.text;
    SetCaption(topic.title.c_str());
    if (!built_) {
        // Built with the first topic's text as its title, so the window fits it.
        table_[0] = {.type = ctText, .id = kTextId, .title = text_.c_str(), .attributes = AttrNoBorder};
        table_[1] = {.type = ctButton, .id = vDoneId, .title = " Close ", .attributes = AttrDefault,
                     .below = kTextId};
        table_[2] = {};
        AddControls(table_);
        built_ = true;
    } else {
        PutText(kTextId, text_.c_str());
    }
    if (!IsShown()) Present();
}
