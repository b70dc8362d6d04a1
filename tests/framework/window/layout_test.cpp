#include <gtest/gtest.h>

#include "framework/window/command_ids.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

namespace {

constexpr vColor kCommandColor(200, 0, 0);
constexpr vColor kStatusColor(0, 0, 200);

struct BarredWindow {
    explicit BarredWindow(vApp& app, const char* name = "Main") {
        window = new RecordingWindow(name, 300, 200);
        app.OpenAppWindow(window, name, 300, 200, nullptr);
        window->AddPane(&commandBar);
        window->AddPane(&statusBar);
    }
    ~BarredWindow() {
        if (vApp::Instance() && window->IsBuilt()) vApp::Instance()->DropWindow(window);
    }

    RecordingWindow* window;
    TestBar commandBar{vPaneCommandBar, 30, kCommandColor};
    TestBar statusBar{vPaneStatusBar, 22, kStatusColor};
};

}  // namespace

TEST(PaneLayout, CommandBarOnTopStatusBarAtTheBottomWindowBetween) {
    HeadlessSession<> session;
    BarredWindow main(session.app);
    session.Pump();
    vFrame& frame = session.app.Frame();
    int W = frame.Width(), H = frame.Height(), top = vFrame::kMenuBarHeight;
    EXPECT_EQ(main.commandBar.Bounds().y, top);
    EXPECT_EQ(main.commandBar.Bounds().w, W);
    EXPECT_EQ(main.statusBar.Bounds().y, H - 22);
    vRect area = frame.WindowArea();
    EXPECT_EQ(area.y, top + 30);
    EXPECT_EQ(area.h, H - top - 30 - 22);
    EXPECT_EQ(main.window->View().Bounds().y, area.y);
    EXPECT_EQ(session.platform.FramePixel(W / 2, top + 5), kCommandColor.Pixel());
    EXPECT_EQ(session.platform.FramePixel(W / 2, H - 1), kStatusColor.Pixel());
}

TEST(PaneLayout, NewestStatusBarSitsLowest) {
    HeadlessSession<> session;
    BarredWindow main(session.app);
    TestBar second(vPaneStatusBar, 10, vColor(9, 9, 9));
    main.window->AddPane(&second);
    int H = session.app.Frame().Height();
    EXPECT_EQ(second.Bounds().y, H - 10);
    EXPECT_EQ(main.statusBar.Bounds().y, H - 10 - 22);
}

TEST(PaneLayout, SwitchedOffBarGivesItsRoomToTheWindow) {
    HeadlessSession<> session;
    BarredWindow main(session.app);
    int before = session.app.Frame().WindowArea().h;
    main.commandBar.ShowPane(0);
    EXPECT_FALSE(main.commandBar.IsShown());
    EXPECT_EQ(session.app.Frame().WindowArea().h, before + 30);
    EXPECT_EQ(session.app.Frame().WindowArea().y, vFrame::kMenuBarHeight);
    main.commandBar.ShowPane(1);
    EXPECT_EQ(session.app.Frame().WindowArea().h, before);
}

TEST(PaneLayout, FrameResizeLaysTheBarsOutAgain) {
    HeadlessSession<> session;
    BarredWindow main(session.app);
    session.platform.QueueResize(640, 480);
    session.Pump();
    EXPECT_EQ(main.statusBar.Bounds().y, 480 - 22);
    EXPECT_EQ(main.statusBar.Bounds().w, 640);
    EXPECT_EQ(main.window->View().Bounds().h, 480 - vFrame::kMenuBarHeight - 30 - 22);
    EXPECT_EQ(session.platform.FrameRaster().Width(), 640);
}

TEST(PaneLayout, OnlyTheActiveWindowShowsItsBars) {
    HeadlessSession<> session(0);
    BarredWindow first(session.app, "First");
    BarredWindow second(session.app, "Second");
    EXPECT_TRUE(second.commandBar.IsShown());
    EXPECT_FALSE(first.commandBar.IsShown());
    first.window->BringToFront();
    EXPECT_TRUE(first.statusBar.IsShown());
    EXPECT_FALSE(second.statusBar.IsShown());
}

TEST(PaneLayout, ClosingTheLastWindowHidesItsBars) {
    HeadlessSession<> session;
    BarredWindow main(session.app);
    session.app.DropWindow(main.window);
    EXPECT_FALSE(main.commandBar.IsShown());
    EXPECT_FALSE(main.statusBar.IsShown());
}

TEST(PaneValues, QueryAsksEachPaneAndPutReachesEveryWindow) {
    HeadlessSession<> session(0);
    BarredWindow first(session.app, "First");
    BarredWindow second(session.app, "Second");
    EXPECT_EQ(first.window->QueryValue(TestBar::kId), 5);
    EXPECT_EQ(first.window->QueryValue(12345), 0);
    first.window->PutValueEverywhere(TestBar::kId, 9, StateValue);
    EXPECT_EQ(second.window->QueryValue(TestBar::kId), 9);
    EXPECT_EQ(second.statusBar.stored, 9);
}

TEST(PaneValues, PasteCommandFollowsTheClipboardWhenAWindowGainsTheFocus) {
    HeadlessSession<> session;
    BarredWindow main(session.app);
    main.commandBar.puts.clear();
    session.platform.SetClipboardText("text");
    session.platform.QueueFocus(false);
    session.platform.QueueFocus(true);
    session.Pump();
    ASSERT_FALSE(main.commandBar.puts.empty());
    EXPECT_EQ(main.commandBar.puts.back().id, vPasteId);
    EXPECT_EQ(main.commandBar.puts.back().value, 1);
    EXPECT_EQ(main.commandBar.puts.back().kind, StateEnabled);
    session.platform.SetClipboardText("");
    session.platform.QueueFocus(false);
    session.platform.QueueFocus(true);
    session.Pump();
    EXPECT_EQ(main.commandBar.puts.back().value, 0);
}
