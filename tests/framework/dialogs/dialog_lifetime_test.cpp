#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "framework/controls/list_cmd.h"
#include "framework/controls/record_items.h"
#include "framework/dialogs/file_chooser_dialog.h"
#include "framework/dialogs/file_select.h"
#include "framework/dialogs/modal_dialog.h"
#include "framework/dialogs/notice_dialog.h"
#include "scratch_folder.h"

// A dialog on the stack is destroyed as soon as its modal run returns, often inside
// the very event that closed it: the second press of a double click, a Return, a click
// on the close box. Nothing the frame keeps (capture, focus, the modal stack, timers)
// may point into it afterwards, and the input that follows goes on to what lies
// under it. Under the address sanitizer any use of a destroyed view fails these tests.

namespace {

vPoint CloseBoxOf(vDialog& dialog) {
    vRect view = dialog.View().Bounds(), box = dialog.View().CloseBox();
    return {view.x + box.x + box.w / 2, view.y + box.y + box.h / 2};
}

// What a hand does after a double click: it moves on, presses again, drags, lets go.
void QueueAftermath(vHeadlessPlatform& platform, vPoint at) {
    platform.QueueMove(at.x + 2, at.y + 1);
    platform.QueueDrag(at.x, at.y, at.x + 40, at.y + 30);
    platform.QueueMove(at.x, at.y);
}

constexpr int kSizesId = 40;
constexpr const char* kSizes[] = {"256 x 64", "128 x 128", "64 x 256", nullptr};

// A list whose double click chooses and closes, as the RAW size question does.
class PickDialog : public vModalDialog {
public:
    PickDialog() : vModalDialog(nullptr, "Pick") { AddControls(kTable); }
    void OnDialogCommand(int id, int value, int type) override {
        auto* list = static_cast<vListCmd*>(FindControl(kSizesId));
        vModalDialog::OnDialogCommand(id, value, type);
        if (id == kSizesId && list->IsActivation()) Dismiss();
    }

private:
    static constexpr int kRange[] = {0, 100, 1};
    static constexpr CommandObject kTable[] = {
        {.type = ctList, .id = kSizesId, .items = kSizes, .size = 80},
        {.type = ctSpinner, .id = 41, .items = kRange, .below = kSizesId, .size = 40},
        {.type = ctButton, .id = vCancelId, .title = " Cancel ", .below = 41},
        {},
    };
};

struct ChooserSession {
    ChooserSession() {
        for (const char* name : {"a.tga", "b.tga", "c.tga"}) scratch.File(name);
        session.Pump();
    }
    int Open() {
        filter = 0;
        std::fill(std::begin(name), std::end(name), 0);
        return select.PickFileToOpen("Open", name, sizeof name, nullptr, filter, scratch.Path().c_str());
    }
    int Save() {
        filter = 0;
        std::fill(std::begin(name), std::end(name), 0);
        return select.PickFileToSave("Save", name, sizeof name, nullptr, filter, 0, scratch.Path().c_str());
    }

    // Once the input has run out, the frame holds nothing of a dialog that is gone.
    void ExpectNothingHeld() {
        session.Pump();
        vFrame& frame = session.app.Frame();
        EXPECT_EQ(frame.Capture(), nullptr);
        EXPECT_FALSE(session.platform.IsPointerCaptured());
        EXPECT_EQ(frame.Focus(), nullptr);
        EXPECT_EQ(frame.TopModal(), nullptr);
        EXPECT_EQ(session.platform.ActiveTimerCount(), 0);
        // The floating layer, the top one, holds no box, tip or menu.
        EXPECT_TRUE(frame.Root().Children().back()->Children().empty());
    }

    HeadlessSession<> session;
    ScratchFolder scratch;
    vFileSelect select{nullptr};
    char name[256] = "";
    int filter = 0;
};

}  // namespace

TEST(DestroyedViews, ADoubleClickThatChoosesClosesTheDialogAndTheHandGoesOn) {
    ChooserSession s;
    vHeadlessPlatform& platform = s.session.platform;
    {
        SCOPED_TRACE("Open");
        OnScreen screen(s.session);
        screen.Then([&](vDialog& chooser) {
            vPoint b = RowOf(chooser, vFileChooserDialog::kEntries, 1);
            QueueDoubleClick(platform, b);
            QueueAftermath(platform, b);
        });
        EXPECT_EQ(s.Open(), 1);
        EXPECT_STREQ(s.name, s.scratch.Path("b.tga").c_str());
        s.ExpectNothingHeld();
    }
    {
        SCOPED_TRACE("Save, with the question to replace the file");
        OnScreen screen(s.session);
        vPoint a;
        screen.Then([&](vDialog& chooser) {
            a = RowOf(chooser, vFileChooserDialog::kEntries, 0);
            QueueDoubleClick(platform, a);
        }).Then([&](vDialog&) {
            platform.QueueKey(vKeyReturn);
            QueueAftermath(platform, a);
        });
        EXPECT_EQ(s.Save(), 1);
        EXPECT_TRUE(screen.AllDone());
        EXPECT_STREQ(s.name, s.scratch.Path("a.tga").c_str());
        s.ExpectNothingHeld();
    }
    {
        SCOPED_TRACE("a list of sizes");
        OnScreen screen(s.session);
        screen.Then([&](vDialog& dialog) {
            vPoint second = RowOf(dialog, kSizesId, 1);
            QueueDoubleClick(platform, second);
            QueueAftermath(platform, second);
        });
        PickDialog pick;
        int value = -1;
        EXPECT_EQ(pick.RunModal("", value), kSizesId);
        EXPECT_EQ(value, 1);
        s.ExpectNothingHeld();
    }
}

TEST(DestroyedViews, KeysAndTheCloseBoxOnAClosingDialog) {
    ChooserSession s;
    vHeadlessPlatform& platform = s.session.platform;
    {
        SCOPED_TRACE("Return closes a notice over the chooser, Escape then the chooser");
        OnScreen screen(s.session);
        screen.Then([&](vDialog&) {
            platform.QueueText("missing.tga");
            platform.QueueKey(vKeyReturn);
        }).Then([&](vDialog& notice) {
            EXPECT_NE(dynamic_cast<vNoticeDialog*>(&notice), nullptr);
            platform.QueueKey(vKeyReturn);
            platform.QueueKey(vKeyEscape);
            platform.QueueText("zz");
            platform.QueueKey(vKeyReturn);
            platform.QueueKey(vKeyEscape);
        });
        EXPECT_EQ(s.Open(), 0);
        EXPECT_TRUE(screen.AllDone());
        s.ExpectNothingHeld();
    }
    {
        SCOPED_TRACE("Escape answers the question, the close box closes the chooser");
        OnScreen screen(s.session);
        screen.Then([&](vDialog& chooser) {
            QueueDoubleClick(platform, RowOf(chooser, vFileChooserDialog::kEntries, 2));
        }).Then([&](vDialog&) {
            platform.QueueKey(vKeyEscape);
        }).Then([&](vDialog& chooser) {
            vPoint close = CloseBoxOf(chooser);
            platform.QueueClick(close.x, close.y);
            QueueAftermath(platform, close);
            platform.QueueKey(vKeyReturn);
        });
        EXPECT_EQ(s.Save(), 0);
        EXPECT_TRUE(screen.AllDone());
        s.ExpectNothingHeld();
    }
}

TEST(DestroyedViews, TimersAndSignalsDuringAModalRun) {
    ChooserSession s;
    vHeadlessPlatform& platform = s.session.platform;
    {
        SCOPED_TRACE("a tip showing, and its ticks still queued, as the chooser closes");
        OnScreen screen(s.session);
        screen.Then([&](vDialog& chooser) {
            vPoint up = CenterOf(chooser, vFileChooserDialog::kUpButton);
            platform.QueueMove(up.x, up.y);
        }).Then([&](vDialog& chooser) {
            platform.AdvanceClock(700);
            QueueDoubleClick(platform, RowOf(chooser, vFileChooserDialog::kEntries, 0));
            platform.AdvanceClock(7000);
        });
        EXPECT_EQ(s.Open(), 1);
        s.ExpectNothingHeld();
    }
    {
        SCOPED_TRACE("Escape while a spinner arrow repeats");
        OnScreen screen(s.session);
        vPoint arrow;
        screen.Then([&](vDialog& dialog) {
            vRect spinner = dialog.FindControl(41)->PixelRect();
            vRect view = dialog.View().Bounds();
            arrow = {view.x + vDialogView::ClientLeft() + spinner.x + spinner.w - 3,
                     view.y + vDialogView::ClientTop() + spinner.y + 3};
            platform.QueueMove(arrow.x, arrow.y);
            platform.QueuePress(arrow.x, arrow.y);
        }).Then([&](vDialog&) {
            platform.AdvanceClock(1000);
            platform.QueueKey(vKeyEscape);
            platform.AdvanceClock(1000);
            platform.QueueRelease(arrow.x, arrow.y);
        });
        PickDialog pick;
        int value = 0;
        EXPECT_EQ(pick.RunModal("", value), vCancelId);
        s.ExpectNothingHeld();
    }
    {
        SCOPED_TRACE("the program is told to end while a question waits over the chooser");
        OnScreen screen(s.session);
        screen.Then([&](vDialog& chooser) {
            QueueDoubleClick(platform, RowOf(chooser, vFileChooserDialog::kEntries, 1));
        }).Then([&](vDialog&) {
            vPlatformEvent end;
            end.kind = vEventKind::Terminate;
            platform.QueueEvent(end);
            platform.QueueKey(vKeyReturn);
            platform.QueueClick(10, 40);
        });
        EXPECT_EQ(s.Save(), 0);
        EXPECT_TRUE(screen.AllDone());
        s.ExpectNothingHeld();
        EXPECT_TRUE(s.session.app.IsLoopEnded());
    }
}
