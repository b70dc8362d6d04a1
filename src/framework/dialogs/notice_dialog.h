#pragma once

#include <string>

#include "framework/dialogs/modal_dialog.h"

// The notice box: the notice picture, the message (line feeds break it) and " OK ".
// It is centred over the frame; " OK ", Enter or Escape closes it.
class vNoticeDialog : public vModalDialog {
public:
    static constexpr int kFrameId = 93;
    static constexpr int kImageId = 91;
    static constexpr int kTextId = 92;

    explicit vNoticeDialog(vBaseWindow* window, const char* title = "Notice");

    // Shows message and returns the id that closed the box (vOkId); 0 when the box
    // is already showing.
    int ShowNotice(const char* message);
    void OnDialogReady() override;
    // With nothing to cancel, Escape acts as " OK " does.
    void EscapePressed() override { ClickDefault(); }

    const std::string& Message() const { return message_; }
    bool IsBuilt() const { return built_; }

protected:
    bool DescribeRequest(vModalRequest& request, const char* message) const override;

private:
    std::string message_;
    bool built_ = false;
    CommandObject table_[5];
};
