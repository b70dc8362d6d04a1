#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "framework/controls/text_in_cmd.h"
#include "framework/look/system_colors.h"

// A press on a dialog ends when the frame takes the pointer away from it (a modal box
// opens, the dialog closes) as surely as when the button is let go: nothing keeps
// repeating, nothing is sent for it, and a later move or release is not part of it.

using Command = RecordingDialog::Command;

namespace {

constexpr int kRange[] = {0, 1000, 1};
constexpr CommandObject kTable[] = {
    {.type = ctSpinner, .id = 1, .items = kRange, .size = 40},
    {.type = ctButton, .id = 2, .title = " Push ", .below = 1},
    {.type = ctToggleButton, .id = 3, .title = " Flip ", .rightOf = 2, .below = 1},
    {.type = ctTextIn, .id = 4, .title = "abcdefghij", .below = 2, .size = 20},
    {},
};

struct CaptureSession {
    CaptureSession() {
        dialog.Present();
        session.Pump();
        dialog.commands.clear();
    }
    // Frame coordinates of a point given relative to a control's box.
    vPoint At(int id, int dx, int dy) {
        vRect view = dialog.View().Bounds(), r = dialog.FindControl(id)->PixelRect();
        return {view.x + vDialogView::ClientLeft() + r.x + dx, view.y + vDialogView::ClientTop() + r.y + dy};
    }
    vPoint UpArrow() { return At(1, dialog.FindControl(1)->PixelRect().w - 3, 3); }
    // Opens a warning box; the queued input (a release, then Return) goes to it.
    void WarnAfterRelease(vPoint release) {
        session.platform.QueueRelease(release.x, release.y);
        session.platform.QueueKey(vKeyReturn);
        session.app.ShowWarning("Look");
    }
    void Wait(int ms) {
        session.platform.AdvanceClock(ms);
        session.Pump();
    }
    uint32_t Pixel(vPoint p) { return session.platform.FramePixel(p.x, p.y); }

    HeadlessSession<> session;
    RecordingDialog dialog{kTable};
};

}  // namespace

TEST(DialogCapture, AHeldSpinnerArrowStopsAndLooksReleasedWhenAModalBoxOpens) {
    CaptureSession s;
    vPoint up = s.UpArrow();
    s.session.platform.QueuePress(up.x, up.y);
    s.session.Pump();
    s.Wait(1000);
    int held = s.dialog.QueryValue(1);
    ASSERT_GT(held, 5);
    s.WarnAfterRelease(up);
    int afterBox = s.dialog.QueryValue(1);
    s.Wait(2000);
    EXPECT_EQ(s.dialog.QueryValue(1), afterBox);
    EXPECT_EQ(s.session.platform.ActiveTimerCount(), 0);
    // The up box's corner: highlight when raised, shadow while held.
    EXPECT_EQ(s.Pixel(s.At(1, s.dialog.FindControl(1)->PixelRect().w - s.dialog.Units().X(10), 0)),
              vColorButtonHighlight.Pixel());
}

TEST(DialogCapture, AHeldSpinnerArrowLooksReleasedWhenTheDialogIsShownAgain) {
    CaptureSession s;
    vPoint up = s.UpArrow();
    s.session.platform.QueuePress(up.x, up.y);
    s.session.Pump();
    s.dialog.Dismiss();
    int value = s.dialog.QueryValue(1);
    s.Wait(2000);
    EXPECT_EQ(s.dialog.QueryValue(1), value);
    s.dialog.Present();
    s.session.Pump();
    EXPECT_EQ(s.Pixel(s.At(1, s.dialog.FindControl(1)->PixelRect().w - s.dialog.Units().X(10), 0)),
              vColorButtonHighlight.Pixel());
}

TEST(DialogCapture, HeldButtonsAreLetGoWithoutTheirCommands) {
    for (int id : {2, 3}) {
        SCOPED_TRACE(id);
        CaptureSession s;
        vPoint middle = s.At(id, 10, 6);
        s.session.platform.QueuePress(middle.x, middle.y);
        s.session.Pump();
        s.WarnAfterRelease(middle);
        // Back over the button and released again: still no click of the lost press.
        s.session.platform.QueueMove(middle.x + 1, middle.y);
        s.session.platform.QueueRelease(middle.x + 1, middle.y);
        s.session.Pump();
        EXPECT_EQ(s.dialog.commands, (std::vector<Command>{{4, vTextFocusLostValue, ctTextIn}}));
        EXPECT_EQ(s.dialog.QueryValue(3), 0);
        // The corner of the raised edge (a toggle draws it inside its frame).
        int edge = id == 3 ? 1 : 0;
        EXPECT_EQ(s.Pixel(s.At(id, edge, edge)), vColorButtonHighlight.Pixel());
    }
}

TEST(DialogCapture, APointerSelectionStopsExtendingWhenAModalBoxOpens) {
    CaptureSession s;
    vPoint start = s.At(4, 6, 6);
    s.session.platform.QueuePress(start.x, start.y);
    s.session.Pump();
    s.WarnAfterRelease(start);
    vPoint end = s.At(4, 60, 6);
    s.session.platform.QueueMove(end.x, end.y);
    s.session.Pump();
    auto& entry = static_cast<vTextInCmd&>(*s.dialog.FindControl(4));
    EXPECT_FALSE(entry.Edit().HasSelection());
}

TEST(DialogCapture, ACaptionPressEndsWhenAModalBoxOpens) {
    CaptureSession s;
    vRect before = s.dialog.View().Bounds();
    vRect close = s.dialog.View().CloseBox();
    vPoint caption{before.x + 20, before.y + 10};
    vPoint closeBox{before.x + close.x + close.w / 2, before.y + close.y + close.h / 2};
    for (vPoint press : {caption, closeBox}) {
        s.session.platform.QueuePress(press.x, press.y);
        s.session.Pump();
        s.WarnAfterRelease(press);
        s.session.platform.QueueMove(press.x + 50, press.y + 40);
        s.session.platform.QueueMove(press.x, press.y);
        s.session.platform.QueueRelease(press.x, press.y);
        s.session.Pump();
    }
    EXPECT_EQ(s.dialog.View().Bounds().x, before.x);
    EXPECT_EQ(s.dialog.View().Bounds().y, before.y);
    EXPECT_TRUE(s.dialog.IsShown());
    for (const Command& command : s.dialog.commands) EXPECT_NE(command.id, vCancelId);
}
