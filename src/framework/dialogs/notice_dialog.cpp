#include "framework/dialogs/notice_dialog.h"


#include "framework/dialogs/notice_image.h"
#include "framework/platform/platform.h"

vNoticeDialog::vNoticeDialog(vBaseWindow* window, const char* title) : vModalDialog(window, title) {}

bool vNoticeDialog::DescribeRequest(vModalRequest& request, const char* message) const {
    request.kind = vModalRequest::Kind::Notice;
    request.title = Name();
    request.text = message ? message : "";
    return true;
}

int vNoticeDialog::ShowNotice(const char* message) {
    if (IsRunning()) return 0;
    message_ = message ? message : "";
    // The table keeps a pointer, and a new message may have moved the text.
    table_[2].title = message_.c_str();
    if (!built_) {
        // The text control is built with the message as its title, so the box fits it.
        table_[0] = {.type = ctFrame, .id = kFrameId, .title = "", .attributes = AttrNoBorder | AttrNoSpace};
        table_[1] = {.type = ctIcon, .id = kImageId, .title = "Notice", .items = &vNoticeImage(), .frame = kFrameId};
        table_[2] = {.type = ctText, .id = kTextId, .title = message_.c_str(),
                     .attributes = AttrMessage | AttrNoBorder, .frame = kFrameId, .rightOf = kImageId};
        table_[3] = {.type = ctButton, .id = vOkId, .value = vOkId, .title = " OK ",
                     .attributes = AttrDefault, .below = kFrameId};
        table_[4] = {};
        AddControls(table_);
        built_ = true;
    }
    int value = 0;
    int id = RunModal(message_.c_str(), value);
    // A script that answers nothing in particular closes the box as " OK " would.
    return id == 0 ? vOkId : id;
}

// A notice larger than the frame keeps where it opens in that direction.
void vNoticeDialog::OnDialogReady() { CentreOverFrame(Larger::kStays); }
