#pragma once

#include <string>
#include <vector>

#include "framework/dialogs/dialog.h"
#include "framework/draw/geometry.h"
#include "window/app_fixture.h"

// A modeless dialog that writes down the commands reaching it.
class RecordingDialog : public vDialog {
public:
    RecordingDialog(const CommandObject* table, int modal = 0, const char* title = "Test")
        : vDialog(nullptr, modal, title) {
        AddControls(table);
    }

    struct Command {
        int id, value, type;
        bool operator==(const Command&) const = default;
    };

    void OnDialogCommand(int id, int value, int type) override {
        commands.push_back({id, value, type});
        vDialog::OnDialogCommand(id, value, type);
    }
    void OnDialogReady() override { ++readyCount; }

    std::vector<Command> commands;
    int readyCount = 0;
};

// Frame coordinates of the middle of a control of a shown dialog.
inline vPoint CenterOf(vDialog& dialog, int id) {
    vRect view = dialog.View().Bounds();
    vRect r = dialog.FindControl(id)->PixelRect();
    return {view.x + vDialogView::ClientLeft() + r.x + r.w / 2, view.y + vDialogView::ClientTop() + r.y + r.h / 2};
}

// Scripted answers: a box closed by the command id, a chooser confirmed with path.
inline vModalAnswer ClosedBy(int id) {
    vModalAnswer answer;
    answer.id = id;
    return answer;
}

inline vModalAnswer Chosen(const std::string& path) {
    vModalAnswer answer;
    answer.confirmed = true;
    answer.path = path;
    return answer;
}

inline void ClickOn(vHeadlessPlatform& platform, vDialog& dialog, int id) {
    vPoint p = CenterOf(dialog, id);
    platform.QueueClick(p.x, p.y);
}
