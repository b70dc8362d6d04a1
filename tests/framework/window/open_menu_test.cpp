#include <gtest/gtest.h>

#include "framework/menus/menu_pane.h"
#include "framework/platform/platform.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

// What becomes of an open menu when something else takes over: a warning box, or
// another window becoming active.

namespace {

constexpr MenuItem kFile[] = {{"&Open...", 32101, vMenuSensitive}, {"&Save", 32103, vMenuSensitive}, {}};
constexpr MenuItem kBar[] = {{"&File", 0, 0, nullptr, 0, kFile}, {}};

struct WindowWithMenu {
    explicit WindowWithMenu(vApp& app, const char* name) : window(new RecordingWindow(name, 300, 200)) {
        app.OpenAppWindow(window, name, 300, 200, nullptr);
        window->AddPane(&menu);
    }
    RecordingWindow* window;
    vMenuPane menu{kBar};
};

vMenuPane& OwnMenu(HeadlessSession<>& session) { return static_cast<vMenuPane&>(*session.app.Frame().OwnMenu()); }

void ClickTitle(HeadlessSession<>& session, const vMenuPane& menu) {
    vRect box = menu.TitleBox(0);
    session.platform.QueueClick(box.x + box.w / 2, box.y + box.h / 2);
    session.Pump();
}

}  // namespace

TEST(OpenMenu, AWarningBoxClosesItAndGivesTheKeyboardBackToTheWindow) {
    HeadlessSession<> session;
    WindowWithMenu main(session.app, "Main");
    session.Pump();
    ClickTitle(session, main.menu);
    ASSERT_TRUE(main.menu.IsOpen());
    EXPECT_FALSE(main.window->HasFocus());
    session.platform.QueueKey(vKeyReturn);
    session.app.ShowWarning("Disk full");
    EXPECT_FALSE(main.menu.IsOpen());
    EXPECT_EQ(session.app.Frame().Focus(), nullptr);
    EXPECT_TRUE(main.window->HasFocus());
    session.platform.QueueKey(vKeyHome);
    session.Pump();
    EXPECT_EQ(main.window->keys, (std::vector<std::pair<int, int>>{{vKeyHome, 0}}));
}

TEST(OpenMenu, AWarningBoxGivesTheKeyboardBackToAFloatingViewThatHadIt) {
    HeadlessSession<> session;
    WindowWithMenu main(session.app, "Main");
    vView tool;
    tool.SetBounds(20, 60, 40, 40);
    session.app.Frame().AddFloating(&tool);
    session.app.Frame().SetFocus(&tool);
    session.platform.QueueKey(vKeyReturn);
    session.app.ShowWarning("Disk full");
    EXPECT_EQ(session.app.Frame().Focus(), &tool);
    EXPECT_FALSE(main.window->HasFocus());
    session.app.Frame().RemoveFloating(&tool);
}

TEST(OpenMenu, ClosesAndLetsGoOfThePointerWhenAnotherWindowBecomesActive) {
    HeadlessSession<> session(0);
    WindowWithMenu first(session.app, "First");
    WindowWithMenu second(session.app, "Second");
    session.app.ActivateWindow(first.window);
    session.Pump();
    ClickTitle(session, first.menu);
    ASSERT_TRUE(first.menu.IsOpen());
    session.app.ActivateWindow(second.window);
    EXPECT_EQ(session.app.Frame().MenuStrip(), &second.menu);
    EXPECT_FALSE(first.menu.IsOpen());
    EXPECT_EQ(session.app.Frame().Capture(), nullptr);
    EXPECT_EQ(session.app.Frame().Focus(), nullptr);
    EXPECT_TRUE(second.window->HasFocus());
    EXPECT_FALSE(first.window->HasFocus());
    // The new window's menu answers the pointer at once.
    ClickTitle(session, second.menu);
    EXPECT_TRUE(second.menu.IsOpen());
}

TEST(OpenMenu, TheFramesOwnMenuClosesWhenAWindowMenuReplacesIt) {
    HeadlessSession<> session(0);
    ClickTitle(session, OwnMenu(session));
    ASSERT_TRUE(OwnMenu(session).IsOpen());
    WindowWithMenu main(session.app, "Main");
    EXPECT_EQ(session.app.Frame().MenuStrip(), &main.menu);
    EXPECT_FALSE(OwnMenu(session).IsOpen());
    EXPECT_EQ(session.app.Frame().Capture(), nullptr);
}

TEST(OpenMenu, TheFramesOwnMenuClosesUnderAWarningBox) {
    HeadlessSession<> session;
    ClickTitle(session, OwnMenu(session));
    ASSERT_TRUE(OwnMenu(session).IsOpen());
    session.platform.QueueKey(vKeyReturn);
    session.app.ShowWarning("Disk full");
    EXPECT_FALSE(OwnMenu(session).IsOpen());
}
