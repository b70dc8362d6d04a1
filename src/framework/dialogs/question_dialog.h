#pragma once

#include <string>

#include "framework/dialogs/modal_dialog.h"

// A modal question beside the notice picture. Each object asks one question.
class vQuestionDialog : public vModalDialog {
public:
    enum class Answer { Yes, No, Cancel };

    // Ask: " Yes " and " No "; Escape and the close box answer No.
    static constexpr int kYesId = vDoneId;
    static constexpr int kNoId = vCancelId;
    // AskOrCancel: " Yes ", " No " and " Cancel "; Escape and the close box answer Cancel.
    static constexpr int kNoBesideCancelId = vOkId;
    static constexpr int kCancelId = vCancelId;

    vQuestionDialog(vBaseWindow* window, const char* title);

    // True when the user answered Yes.
    bool Ask(const std::string& question);
    // A box closed without an answer (the program ending) counts as Cancel.
    Answer AskOrCancel(const std::string& question);
    void OnDialogReady() override;

private:
    // The picture, the question and the buttons in a row under them; returns the id
    // of the button that closed the box, or 0.
    int Run(const std::string& question, bool withCancel);

    std::string question_;
    CommandObject table_[7];
};
