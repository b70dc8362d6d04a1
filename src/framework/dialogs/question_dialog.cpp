#include "framework/dialogs/question_dialog.h"


#include "framework/dialogs/notice_image.h"

namespace {
constexpr int kFrameId = 93;
constexpr int kImageId = 91;
constexpr int kTextId = 92;
}  // namespace

vQuestionDialog::vQuestionDialog(vBaseWindow* window, const char* title) : vModalDialog(window, title) {}

bool vQuestionDialog::Ask(const std::string& question) {
    question_ = question;
    table_[0] = {.type = ctFrame, .id = kFrameId, .title = "", .attributes = AttrNoBorder | AttrNoSpace};
    table_[1] = {.type = ctIcon, .id = kImageId, .items = &vNoticeImage(), .frame = kFrameId};
    table_[2] = {.type = ctText, .id = kTextId, .title = question_.c_str(), .attributes = AttrNoBorder,
                 .frame = kFrameId, .rightOf = kImageId};
    table_[3] = {.type = ctButton, .id = kYesId, .value = 1, .title = " &Yes ", .attributes = AttrDefault,
                 .below = kFrameId, .size = 40};
    table_[4] = {.type = ctButton, .id = kNoId, .value = 0, .title = " &No ", .rightOf = kYesId,
                 .below = kFrameId, .size = 40};
    table_[5] = {};
    AddControls(table_);
    int value = 0;
    return RunModal(question_.c_str(), value) == kYesId;
}

void vQuestionDialog::OnDialogReady() { CentreOverFrame(); }
