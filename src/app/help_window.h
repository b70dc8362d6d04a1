#pragma once

#include <string>

#include "app/help_file.h"
#include "framework/dialogs/dialog.h"

class HelpTextView;

// The help viewer: a window owned by the main window that shows one topic of the help
// file, scrolling what does not fit in the frame. Presenting it again shows the topic
// afresh.
class KnollHelpWindow : public vDialog {
public:
    static constexpr int kTextId = 1;

    explicit KnollHelpWindow(vBaseWindow* owner);

    void ShowTopic(const HelpTopic& topic);
    // The keys scroll the text; Enter still closes the window.
    void OnDialogReady() override;
    const std::string& Text() const { return text_; }
    HelpTextView* TextView() const { return view_; }

private:
    void Build();

    std::string text_;
    CommandObject table_[3];
    HelpTextView* view_ = nullptr;
};
