#include <gtest/gtest.h>

#include "framework/menus/frame_file_menu.h"
#include "framework/platform/platform.h"
#include "framework/window/command_ids.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

// The frame's own "&File" menu, shown while no window has a menu of its own.

namespace {

vMenuPane& OwnMenu(HeadlessSession<RecordingApp>& session) {
    return static_cast<vMenuPane&>(*session.app.Frame().OwnMenu());
}

void ClickFileTitle(HeadlessSession<RecordingApp>& session) {
    vRect box = OwnMenu(session).TitleBox(0);
    session.platform.QueueClick(box.x + box.w / 2, box.y + box.h / 2);
    session.Pump();
}

}  // namespace

TEST(FrameFileMenu, ItemsReachTheApplicationFromTheKeyboard) {
    HeadlessSession<RecordingApp> session;
    vMenuPane& menu = OwnMenu(session);
    menu.OpenMenuAtFirstItem(0);
    session.platform.QueueKey(vKeyReturn);
    session.Pump();
    menu.OpenMenuAtFirstItem(0);
    session.platform.QueueKey(vKeyDown);
    session.platform.QueueKey(vKeyReturn);
    session.Pump();
    EXPECT_EQ(session.app.appCommands, (std::vector<int>{vAppNewId, vAppOpenId}));
    EXPECT_FALSE(session.app.IsLoopEnded());
}

TEST(FrameFileMenu, ExitChosenWithThePointerQuits) {
    HeadlessSession<RecordingApp> session;
    session.app.OpenAppWindow(nullptr, "Main", 300, 200, nullptr);
    ClickFileTitle(session);
    ASSERT_TRUE(OwnMenu(session).IsOpen());
    // "E&xit" is the fourth entry, under "&New", "&Open" and the separator.
    const vMenuPopup& popup = *OwnMenu(session).Popups()[0];
    session.platform.QueueClick(popup.Bounds().x + 20, popup.Bounds().y + popup.ItemTop(3) + 9);
    session.Pump();
    EXPECT_EQ(session.app.appCommands, std::vector<int>{vAppExitId});
    EXPECT_EQ(session.app.drops, 1);
    EXPECT_TRUE(session.app.IsLoopEnded());
}

TEST(FrameFileMenu, ClickOutsideClosesTheMenuWithoutAChoice) {
    HeadlessSession<RecordingApp> session;
    ClickFileTitle(session);
    session.platform.QueueClick(600, 400);
    session.Pump();
    EXPECT_FALSE(OwnMenu(session).IsOpen());
    EXPECT_TRUE(session.app.appCommands.empty());
}

TEST(FrameFileMenu, AFrameWithoutItLeavesTheStripEmpty) {
    HeadlessSession<RecordingApp> session;
    session.app.Frame().SetOwnMenu(nullptr);
    session.platform.QueueClick(10, 10);
    session.Pump();
    EXPECT_EQ(session.app.Frame().OwnMenu(), nullptr);
    EXPECT_EQ(session.app.Frame().Capture(), nullptr);
    EXPECT_TRUE(session.app.appCommands.empty());
}
