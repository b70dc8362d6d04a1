#include "framework/dialogs/question_dialog.h"

#include "framework/dialogs/notice_image.h"

namespace {
constexpr int kFrameId = 93;
constexpr int kImageId = 91;
constexpr int kTextId = 92;
constexpr int kButtonWidth = 40;
}  // namespace

vQuestionDialog::vQuestionDialog(vBaseWindow* window, const char* title) : vModalDialog(window, title) {}

bool vQuestionDialog::Ask(const std::string& question) { return Run(question, false) == kYesId; }

vQuestionDialog::Answer vQuestionDialog::AskOrCancel(const std::string& question) {
    switch (Run(question, true)) {
    case kYesId: return Answer::Yes;
    case kNoBesideCancelId: return Answer::No;
    default: return Answer::Cancel;
    }
}

int vQuestionDialog::Run(const std::string& question, bool withCancel) {
    question_ = question;
    int noId = withCancel ? kNoBesideCancelId : kNoId;
    table_[0] = {.type = ctFrame, .id = kFrameId, .title = "", .attributes = AttrNoBorder | AttrNoSpace};
    table_[1] = {.type = ctIcon, .id = kImageId, .items = &vNoticeImage(), .frame = kFrameId};
    table_[2] = {.type = ctText, .id = kTextId, .title = question_.c_str(), .attributes = AttrNoBorder,
                 .frame = kFrameId, .rightOf = kImageId};
    table_[3] = {.type = ctButton, .id = kYesId, .value = 1, .title = " &Yes ", .attributes = AttrDefault,
                 .below = kFrameId, .size = kButtonWidth};
    table_[4] = {.type = ctButton, .id = noId, .value = 0, .title = " &No ", .rightOf = kYesId,
                 .below = kFrameId, .size = kButtonWidth};
    table_[5] = {};
    if (withCancel) {
        table_[5] = {.type = ctButton, .id = kCancelId, .value = 0, .title = " &Cancel ", .rightOf = noId,
                     .below = kFrameId, .size = kButtonWidth};
    }
    table_[6] = {};
    AddControls(table_);
    int value = 0;
    return RunModal(question_.c_str(), value);
}

void vQuestionDialog::OnDialogReady() { CentreOverFrame(); }
