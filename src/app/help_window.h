#pragma once

#include <string>

#include "app/help_file.h"
#include "framework/dialogs/dialog.h"

// The help viewer: a window owned by the main window that shows one topic of the help
// file. Presenting it again shows the topic afresh.
class KnollHelpWindow : public vDialog {
public:
    static constexpr int kTextId = 1;

    explicit KnollHelpWindow(vBaseWindow* owner);

    void ShowTopic(const HelpTopic& topic);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    CommandObject table_[3];
    bool built_ = false;
};
