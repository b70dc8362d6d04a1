#pragma once

#include <string>

#include "framework/dialogs/modal_dialog.h"

// A modal question with " Yes " and " No " beside the notice picture; Escape and the
// close box answer No. Each object asks one question.
class vQuestionDialog : public vModalDialog {
public:
    static constexpr int kYesId = vDoneId;
    static constexpr int kNoId = vCancelId;

    vQuestionDialog(vBaseWindow* window, const char* title);

    // True when the user answered Yes.
    bool Ask(const std::string& question);
    void OnDialogReady() override;

private:
    std::string question_;
    CommandObject table_[6];
};
