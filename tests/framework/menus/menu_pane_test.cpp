#include <gtest/gtest.h>

#include "framework/menus/menu_pane.h"
#include "framework/platform/platform.h"
#include "framework/window/command_ids.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

using Command = RecordingWindow::Command;

namespace {

constexpr MenuItem kShowPal[] = {{"Left", 106, vMenuSensitive}, {"Right", 107, vMenuSensitive}, {}};
constexpr MenuItem kFile[] = {
    {"&Open...", 32101, vMenuSensitive},
    {"&Save", 32103, vMenuSensitive},
    {"-", vMenuSeparatorId},
    {"&Back", 110, vMenuSensitive, "Ctrl+Left", vKeyLeft, nullptr, vModControl},
    {},
};
constexpr MenuItem kView[] = {
    {"Palette", 104, vMenuSensitive},
    {"Show Pal", 105, vMenuSensitive, nullptr, 0, kShowPal},
    {},
};
constexpr MenuItem kBar[] = {{"&File", 0, 0, nullptr, 0, kFile}, {"&View", 0, 0, nullptr, 0, kView}, {}};

struct MenuSession {
    MenuSession() {
        window = new RecordingWindow("Menus", 400, 300);
        session.app.OpenAppWindow(window, "Menus", 400, 300, nullptr);
        window->AddPane(&menu);
        session.Pump();
    }
    void ClickTitle(int index) {
        vRect box = menu.TitleBox(index);
        session.platform.QueueClick(box.x + box.w / 2, box.y + box.h / 2);
        session.Pump();
    }
    vPoint ItemCenter(int level, int item) {
        const vMenuPopup& popup = *menu.Popups()[level];
        vRect b = popup.Bounds();
        return {b.x + b.w / 2, b.y + popup.ItemTop(item) + vMenuPopup::kItemHeight / 2};
    }

    HeadlessSession<> session;
    RecordingWindow* window = nullptr;
    vMenuPane menu{kBar};
};

}  // namespace

TEST(MenuPane, ClickingATitleAndAnItemSendsAMenuCommand) {
    MenuSession s;
    EXPECT_EQ(s.session.app.Frame().MenuStrip(), &s.menu);
    s.ClickTitle(0);
    ASSERT_TRUE(s.menu.IsOpen());
    vPoint save = s.ItemCenter(0, 1);
    s.session.platform.QueueClick(save.x, save.y);
    s.session.Pump();
    EXPECT_FALSE(s.menu.IsOpen());
    EXPECT_EQ(s.window->commands, (std::vector<Command>{{32103, 32103, vMenuCommandType}}));
}

TEST(MenuPane, SubmenusOpenBesideTheirItem) {
    MenuSession s;
    s.ClickTitle(1);
    vPoint showPal = s.ItemCenter(0, 1);
    s.session.platform.QueueMove(showPal.x, showPal.y);
    s.session.Pump();
    ASSERT_EQ(s.menu.Popups().size(), 2u);
    EXPECT_GE(s.menu.Popups()[1]->Bounds().x, s.menu.Popups()[0]->Bounds().x + s.menu.Popups()[0]->Bounds().w - 3);
    vPoint right = s.ItemCenter(1, 1);
    s.session.platform.QueueMove(right.x, right.y);
    s.session.platform.QueueClick(right.x, right.y);
    s.session.Pump();
    EXPECT_EQ(s.window->commands, (std::vector<Command>{{107, 107, vMenuCommandType}}));
}

TEST(MenuPane, KeysChooseSensitiveItemsAndOthersReachOnKey) {
    MenuSession s;
    s.session.platform.QueueKeyDown(vKeyLeft, vModControl);
    s.session.platform.QueueKeyDown(vKeyLeft, 0);
    s.session.Pump();
    EXPECT_EQ(s.window->commands, (std::vector<Command>{{110, 110, vMenuCommandType}}));
    s.window->PutValue(110, 0, StateEnabled);
    s.session.platform.QueueKeyDown(vKeyLeft, vModControl);
    s.session.Pump();
    EXPECT_EQ(s.window->commands.size(), 1u);
    EXPECT_EQ(s.window->keys, (std::vector<std::pair<int, int>>{{vKeyLeft, 0}, {vKeyLeft, vModControl}}));
    int value = -1;
    EXPECT_TRUE(s.menu.QueryValue(110, value));
    EXPECT_EQ(s.window->QueryValue(4242), 0);
}

TEST(MenuPane, ArrowsEnterAndEscapeWorkInAnOpenMenu) {
    MenuSession s;
    s.ClickTitle(0);
    s.session.platform.QueueKeyDown(vKeyDown);
    s.session.platform.QueueKeyDown(vKeyDown);
    s.session.platform.QueueKeyDown(vKeyDown);  // over the separator to "&Back"
    s.session.platform.QueueKeyDown(vKeyReturn);
    s.session.Pump();
    EXPECT_EQ(s.window->commands, (std::vector<Command>{{110, 110, vMenuCommandType}}));
    s.ClickTitle(0);
    s.session.platform.QueueKeyDown(vKeyRight);
    s.session.Pump();
    EXPECT_EQ(s.menu.OpenIndex(), 1);
    s.session.platform.QueueKeyDown(vKeyEscape);
    s.session.Pump();
    EXPECT_FALSE(s.menu.IsOpen());
    EXPECT_EQ(s.session.app.Frame().Focus(), nullptr);
}

TEST(MenuPane, AClickOutsideClosesWithoutChoosing) {
    MenuSession s;
    s.ClickTitle(0);
    s.session.platform.QueueClick(390, 280);
    s.session.Pump();
    EXPECT_FALSE(s.menu.IsOpen());
    EXPECT_TRUE(s.window->commands.empty());
}

TEST(MenuPane, AltWithAMnemonicOpensItsMenuAndALetterChoosesTheItem) {
    MenuSession s;
    s.session.platform.QueueKeyDown('v', vModAlt);
    s.session.Pump();
    ASSERT_TRUE(s.menu.IsOpen());
    EXPECT_EQ(s.menu.OpenIndex(), 1);
    EXPECT_TRUE(s.window->keys.empty());
    s.session.platform.QueueKeyDown(vKeyEscape);
    s.session.platform.QueueKeyDown('f', vModAlt);
    s.session.platform.QueueText("s");
    s.session.Pump();
    EXPECT_FALSE(s.menu.IsOpen());
    EXPECT_EQ(s.window->commands, (std::vector<Command>{{32103, 32103, vMenuCommandType}}));
    // A letter no title marks goes on to the window.
    s.session.platform.QueueKeyDown('q', vModAlt);
    s.session.Pump();
    EXPECT_FALSE(s.menu.IsOpen());
}

TEST(MenuPane, F10OpensTheFirstMenuForTheKeyboard) {
    MenuSession s;
    s.session.platform.QueueKeyDown(vKeyF1 + 9);
    s.session.platform.QueueKeyDown(vKeyReturn);
    s.session.Pump();
    EXPECT_EQ(s.window->commands, (std::vector<Command>{{32101, 32101, vMenuCommandType}}));
}

TEST(MenuPane, GrayedItemsCannotBeChosenAndCheckMarksShow) {
    MenuSession s;
    s.window->PutValue(32103, 0, StateEnabled);
    s.window->PutValue(32101, 1, StateChecked);
    s.ClickTitle(0);
    vPoint save = s.ItemCenter(0, 1);
    s.session.platform.QueueClick(save.x, save.y);
    s.session.Pump();
    EXPECT_TRUE(s.window->commands.empty());
    // The check mark is drawn in the left column of "&Open...".
    const vMenuPopup& popup = *s.menu.Popups()[0];
    vRect b = popup.Bounds();
    int top = b.y + popup.ItemTop(0), ink = 0;
    for (int y = top; y < top + vMenuPopup::kItemHeight; ++y) {
        for (int x = b.x + 3; x < b.x + vMenuPopup::kCheckColumn; ++x) {
            ink += s.session.platform.FramePixel(x, y) == vColorWindowText.Pixel();
        }
    }
    EXPECT_GT(ink, 6);
    int value = 0;
    EXPECT_TRUE(s.menu.QueryValue(32101, value));
    EXPECT_EQ(value, 1);
}

TEST(MenuPane, AMenuThatLosesThePointerToAModalBoxCloses) {
    MenuSession s;
    // In the background a box does not take the keyboard from the menu first.
    s.session.platform.QueueFocus(false);
    s.session.Pump();
    s.ClickTitle(0);
    ASSERT_TRUE(s.menu.IsOpen());
    s.session.platform.QueueKey(vKeyReturn);
    s.session.app.ShowWarning("Saved");
    EXPECT_FALSE(s.menu.IsOpen());
    EXPECT_EQ(s.session.app.Frame().Capture(), nullptr);
}
