#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/controls/record_items.h"
#include "framework/dialogs/dialog.h"
#include "framework/draw/geometry.h"
#include "framework/platform/headless/headless_platform.h"
#include "framework/window/frame.h"
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

inline void QueueDoubleClick(vHeadlessPlatform& platform, vPoint at) {
    platform.QueueClick(at.x, at.y);
    platform.QueueClick(at.x, at.y);
}

// Frame coordinates of the middle of a list's row (left of its scroll bar).
inline vPoint RowOf(vDialog& dialog, int listId, int row) {
    vRect view = dialog.View().Bounds(), list = dialog.FindControl(listId)->PixelRect();
    int height = dialog.Units().Y(vListRowHeight);
    return {view.x + vDialogView::ClientLeft() + list.x + list.w / 3,
            view.y + vDialogView::ClientTop() + list.y + 2 + row * height + height / 2};
}

// Runs the next step on the dialog at the top of the modal stack each time the input
// runs out while one is up, as a user acts on what the screen shows.
class OnScreen {
public:
    OnScreen(vHeadlessPlatform& platform, vFrame& frame) : platform_(platform), frame_(frame) {
        platform.WhenQueueEmpty([this] { Next(); });
    }
    template <class App>
    explicit OnScreen(HeadlessSession<App>& session) : OnScreen(session.platform, session.app.Frame()) {}
    ~OnScreen() { platform_.WhenQueueEmpty(nullptr); }
    OnScreen& Then(std::function<void(vDialog&)> step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    bool AllDone() const { return next_ == steps_.size(); }

private:
    void Next() {
        auto* view = dynamic_cast<vDialogView*>(frame_.TopModal());
        if (view && next_ < steps_.size()) steps_[next_++](view->Dialog());
    }

    vHeadlessPlatform& platform_;
    vFrame& frame_;
    std::vector<std::function<void(vDialog&)>> steps_;
    size_t next_ = 0;
};
