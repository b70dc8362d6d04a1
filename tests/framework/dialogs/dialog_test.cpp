#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "framework/dialogs/modal_dialog.h"
#include "framework/look/system_colors.h"

using Command = RecordingDialog::Command;

namespace {

constexpr CommandObject kToggleTable[] = {
    {.type = ctToggleButton, .id = 1, .value = 1, .title = " One "},
    {.type = ctToggleButton, .id = 2, .title = " Two ", .rightOf = 1},
    {.type = ctTextIn, .id = 3, .title = "16", .below = 1, .size = 8},
    {.type = ctButton, .id = vCancelId, .title = " Exit ", .below = 3, .tip = "close it"},
    {},
};

}  // namespace

TEST(Dialog, OpensAtTenAndTwentyFiveUnitsAndStartsItsControls) {
    HeadlessSession<> session;
    RecordingDialog dialog(kToggleTable);
    dialog.Present();
    session.Pump();
    int left = 0, top = 0, width = 0, height = 0;
    dialog.QueryPlacement(left, top, width, height);
    EXPECT_EQ(left, 10 * 6 / 4);
    EXPECT_EQ(top, 25 * 13 / 8);
    EXPECT_EQ(width, vDialogView::OuterWidth(dialog.ClientPixelWidth()));
    EXPECT_EQ(dialog.readyCount, 1);
    EXPECT_EQ(dialog.FocusControl(), dialog.FindControl(3));
    EXPECT_EQ(session.platform.FramePixel(left + 5, top + 20 + 5), vColorActiveCaption.Pixel());
}

TEST(Dialog, CancelRevertsTogglesNewestFirstThenCloses) {
    HeadlessSession<> session;
    RecordingDialog dialog(kToggleTable);
    dialog.Present();
    session.Pump();
    ClickOn(session.platform, dialog, 1);
    ClickOn(session.platform, dialog, 2);
    ClickOn(session.platform, dialog, vCancelId);
    session.Pump();
    // The text entry had the focus until the first click.
    EXPECT_EQ(dialog.commands, (std::vector<Command>{{3, vTextFocusLostValue, ctTextIn},
                                                    {1, 0, ctToggleButton},
                                                    {2, 1, ctToggleButton},
                                                    {vCancelId, 0, ctButton},
                                                    {2, 0, ctToggleButton},
                                                    {1, 1, ctToggleButton}}));
    EXPECT_FALSE(dialog.IsShown());
    EXPECT_FALSE(session.app.Frame().IsFloating(&dialog.View()));
}

TEST(Dialog, CanBeShownAgainKeepingToggleStatesButNotTypedText) {
    HeadlessSession<> session;
    RecordingDialog dialog(kToggleTable);
    for (int round = 0; round < 3; ++round) {
        dialog.Present();
        session.platform.QueueText("9");
        session.Pump();
        EXPECT_EQ(dialog.QueryValue(2), round == 0 ? 0 : 1);
        char text[8];
        dialog.QueryText(3, text, sizeof text);
        EXPECT_STREQ(text, "169");
        ClickOn(session.platform, dialog, 2);
        session.Pump();
        dialog.PutValue(2, 1, StateValue);
        dialog.Dismiss();
        EXPECT_FALSE(dialog.IsShown());
    }
    EXPECT_EQ(dialog.readyCount, 3);
}

TEST(Dialog, EscapeAndTheCloseBoxActAsTheCancelButton) {
    HeadlessSession<> session;
    RecordingDialog dialog(kToggleTable);
    dialog.Present();
    session.platform.QueueKey(vKeyEscape);
    session.Pump();
    EXPECT_FALSE(dialog.IsShown());
    dialog.Present();
    session.Pump();
    vRect view = dialog.View().Bounds(), close = dialog.View().CloseBox();
    session.platform.QueueClick(view.x + close.x + close.w / 2, view.y + close.y + close.h / 2);
    session.Pump();
    EXPECT_FALSE(dialog.IsShown());
    int cancels = 0;
    for (const Command& c : dialog.commands) cancels += c.id == vCancelId;
    EXPECT_EQ(cancels, 2);
}

TEST(Dialog, MovesWithItsCaptionAndByMoveTo) {
    HeadlessSession<> session;
    RecordingDialog dialog(kToggleTable);
    dialog.Present();
    session.Pump();
    int left = 0, top = 0, width = 0, height = 0;
    dialog.QueryPlacement(left, top, width, height);
    vRect view = dialog.View().Bounds();
    session.platform.QueueDrag(view.x + 20, view.y + 10, view.x + 120, view.y + 70);
    session.Pump();
    int movedLeft = 0, movedTop = 0;
    dialog.QueryPlacement(movedLeft, movedTop, width, height);
    EXPECT_EQ(movedLeft, left + 100);
    EXPECT_EQ(movedTop, top + 60);
    dialog.MoveTo(480, 0);
    dialog.QueryPlacement(left, top, width, height);
    EXPECT_EQ(left, 480);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(dialog.View().Bounds().y, session.app.Frame().ClientOrigin());
}

TEST(Dialog, TypingABurstRedrawsTheFrameOnce) {
    HeadlessSession<> session;
    RecordingDialog dialog(kToggleTable);
    dialog.Present();
    session.Pump();
    int before = session.platform.PresentCount();
    for (int i = 0; i < 20; ++i) session.platform.QueueText("7");
    session.Pump();
    EXPECT_EQ(session.platform.PresentCount(), before + 1);
    char text[32];
    EXPECT_EQ(dialog.QueryText(3, text, sizeof text), 22);
}

TEST(Dialog, ATipShowsAfterThePointerRests) {
    HeadlessSession<> session;
    RecordingDialog dialog(kToggleTable);
    dialog.Present();
    session.Pump();
    vPoint p = CenterOf(dialog, vCancelId);
    session.platform.QueueMove(p.x, p.y);
    session.Pump();
    session.platform.AdvanceClock(300);
    session.Pump();
    EXPECT_NE(session.platform.FramePixel(p.x + 3, p.y + 23), vColorTipBack.Pixel());
    session.platform.AdvanceClock(500);
    session.Pump();
    EXPECT_EQ(session.platform.FramePixel(p.x + 3, p.y + 23), vColorTipBack.Pixel());
}

TEST(Dialog, HoldingASpinnerArrowRepeatsTheStep) {
    static constexpr int range[] = {0, 100, 1};
    constexpr CommandObject table[] = {{.type = ctSpinner, .id = 1, .items = range}, {}};
    HeadlessSession<> session;
    RecordingDialog dialog(table);
    dialog.Present();
    session.Pump();
    vRect view = dialog.View().Bounds(), r = dialog.FindControl(1)->PixelRect();
    int x = view.x + vDialogView::ClientLeft() + r.x + r.w - 3, y = view.y + vDialogView::ClientTop() + r.y + 3;
    session.platform.QueuePress(x, y);
    session.Pump();
    EXPECT_EQ(dialog.QueryValue(1), 1);
    session.platform.AdvanceClock(1000);
    session.Pump();
    session.platform.QueueRelease(x, y);
    session.Pump();
    int held = dialog.QueryValue(1);
    EXPECT_GT(held, 5);
    session.platform.AdvanceClock(1000);
    session.Pump();
    EXPECT_EQ(dialog.QueryValue(1), held);
}

TEST(ModalDialog, ReturnsTheClosingButtonAndItsValue) {
    constexpr CommandObject table[] = {
        {.type = ctLabel, .id = 1000, .title = "X", .attributes = AttrMessage},
        {.type = ctButton, .id = vCancelId, .title = " Cancel ", .below = 1000},
        {.type = ctButton, .id = vOkId, .value = 77, .title = " OK ", .attributes = AttrDefault,
         .rightOf = vCancelId, .below = 1000},
        {},
    };
    HeadlessSession<> session;
    vModalDialog dialog(nullptr, "Modal");
    dialog.AddControls(table);
    session.platform.QueueKey(vKeyReturn);
    int value = 0;
    EXPECT_EQ(dialog.RunModal("Hello there", value), vOkId);
    EXPECT_EQ(value, 77);
    EXPECT_EQ(dialog.FindControl(1000)->Text(), "Hello there");
    EXPECT_FALSE(dialog.IsShown());
    vModalAnswer answer;
    answer.id = vCancelId;
    session.platform.ScriptAnswer(vModalRequest::Kind::Dialog, answer);
    EXPECT_EQ(dialog.RunModal("", value), vCancelId);
    EXPECT_EQ(session.platform.ModalRequests().back().title, "Modal");
}

TEST(ModalDialog, BlocksEveryOtherDialogWhileItRuns) {
    constexpr CommandObject okTable[] = {
        {.type = ctButton, .id = vOkId, .title = " OK ", .attributes = AttrDefault}, {}};
    HeadlessSession<> session;
    RecordingDialog modeless(kToggleTable);
    modeless.Present();
    modeless.MoveTo(400, 300);
    session.Pump();
    ASSERT_TRUE(modeless.IsShown());
    vModalDialog modal(nullptr, "Modal");
    modal.AddControls(okTable);
    vPoint toggle = CenterOf(modeless, 2);
    session.platform.QueueClick(toggle.x, toggle.y);
    session.platform.QueueKey(vKeyEscape);
    session.platform.QueueKey(vKeyReturn);
    int value = 0;
    modal.RunModal("", value);
    // Only the loss of the keyboard to the modal box reached it, not the click.
    EXPECT_EQ(modeless.commands, (std::vector<Command>{{3, vTextFocusLostValue, ctTextIn}}));
    EXPECT_EQ(modeless.QueryValue(2), 0);
    EXPECT_TRUE(modeless.IsShown());
    EXPECT_EQ(session.app.Frame().TopModal(), nullptr);
}

TEST(Dialog, ADescriptionThatCannotBeBuiltEndsTheProgramWith99) {
    constexpr CommandObject table[] = {{.type = ctText, .id = 1, .title = "x", .size = 40000}, {}};
    HeadlessSession<> session;
    session.platform.AlwaysAnswer(vModalRequest::Kind::Warning, {});
    RecordingDialog dialog(table);
    EXPECT_TRUE(session.app.IsLoopEnded());
    EXPECT_EQ(session.app.ExitCode(), 99);
    ASSERT_FALSE(session.platform.ModalRequests().empty());
    EXPECT_EQ(session.platform.ModalRequests().back().text, "Can't build dialog template.");
}

TEST(Dialog, CancelPutsARadioGroupBackWithTheCommandsOfAClick) {
    constexpr CommandObject table[] = {
        {.type = ctRadioButton, .id = 1, .value = 1, .title = "Up"},
        {.type = ctRadioButton, .id = 2, .title = "Down", .below = 1},
        {.type = ctButton, .id = vCancelId, .title = " Exit ", .below = 2},
        {},
    };
    HeadlessSession<> session;
    RecordingDialog dialog(table);
    dialog.Present();
    session.Pump();
    ClickOn(session.platform, dialog, 2);
    session.platform.QueueKey(vKeyEscape);
    session.Pump();
    EXPECT_EQ(dialog.commands, (std::vector<Command>{{1, 0, ctRadioButton},
                                                    {2, 1, ctRadioButton},
                                                    {vCancelId, 0, ctButton},
                                                    {2, 0, ctRadioButton},
                                                    {1, 1, ctRadioButton}}));
    EXPECT_EQ(dialog.QueryValue(1), 1);
    EXPECT_EQ(dialog.QueryValue(2), 0);
    EXPECT_FALSE(dialog.IsShown());
}
