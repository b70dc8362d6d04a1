#include <gtest/gtest.h>

#include <memory>

#include "framework/dialogs/dialog.h"
#include "framework/draw/memory_dc.h"
#include "framework/window/cmd_window.h"
#include "framework/window/command_ids.h"
#include "framework/window/timer.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

namespace {

std::vector<std::string> seenArguments;

int RecordArguments(int argc, char** argv) {
    seenArguments.assign(argv, argv + argc);
    return 0;
}

int FailStart(int, char**) { return 7; }

int OpenTwoWindows(int, char**) {
    vApp* app = vApp::Instance();
    app->OpenAppWindow(nullptr, "First", 300, 200, nullptr);
    app->OpenAppWindow(nullptr, "Second", 300, 200, nullptr);
    return 0;
}

}  // namespace

TEST(AppStart, GivesTheStartHookTheArgumentsWithoutTheDebugOption) {
    vHeadlessPlatform platform;
    vApp app("Knoll", 1);
    const char* argv[] = {"knoll", "map.tga", "-vDebug", "Sw", "x y"};
    ASSERT_EQ(app.Start(platform, 5, argv, RecordArguments), 0);
    EXPECT_EQ(seenArguments, (std::vector<std::string>{"knoll", "map.tga", "x y"}));
    EXPECT_TRUE(platform.FrameExists());
    EXPECT_EQ(platform.FrameTitle(), "Knoll");
    EXPECT_TRUE(app.IsInitialised());
}

TEST(AppStart, NonZeroStartHookResultEndsTheProgramWithItAndNoLoop) {
    vHeadlessPlatform platform;
    vApp app("Knoll", 1);
    platform.QueueClose();
    const char* argv[] = {"knoll"};
    EXPECT_EQ(app.Start(platform, 1, argv, FailStart), 7);
    EXPECT_FALSE(platform.FrameExists());
    EXPECT_TRUE(platform.HasQueuedEvents());
    EXPECT_EQ(app.Run(), 7);
}

TEST(AppStart, MissingFrameIsReportedAndExitsNonZero) {
    vHeadlessPlatform platform;
    platform.RefuseFrame("no display");
    vApp app("Knoll", 1);
    const char* argv[] = {"knoll"};
    testing::internal::CaptureStderr();
    EXPECT_EQ(app.Start(platform, 1, argv, RecordArguments), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no display"), std::string::npos);
    EXPECT_EQ(app.Run(), 1);
}

TEST(AppStart, DefaultWindowSizeLeavesRoomButNeverBelowFifty) {
    HeadlessSession<> roomy(1, nullptr, 1000, 800);
    EXPECT_EQ(roomy.app.DefaultHeight(), 600 - 200);
    EXPECT_EQ(roomy.app.DefaultWidth(), 800 - 50);
    EXPECT_EQ(vMemoryDC(0, 0, roomy.app.DefaultWindowSize()).SurfaceWidth(), 750);
    roomy.app.Finish();

    HeadlessSession<> cramped(1, nullptr, 1000, 240);
    EXPECT_EQ(cramped.app.DefaultHeight(), 50);
}

TEST(AppStart, WindowAskedForWithNoSizeGetsTheDefaults) {
    HeadlessSession<> session;
    vWindow* window = session.app.OpenAppWindow(nullptr, "W", 0, 0, nullptr);
    EXPECT_EQ(window->RequestedWidth(), session.app.DefaultWidth());
    EXPECT_EQ(window->RequestedHeight(), session.app.DefaultHeight());
}

TEST(AppWindows, SingleWindowModeBuildsOnlyTheFirstCommandWindow) {
    HeadlessSession<> session;
    vWindow* first = session.app.OpenAppWindow(nullptr, "One", 200, 100, nullptr);
    vWindow* second = session.app.OpenAppWindow(nullptr, "Two", 200, 100, nullptr);
    EXPECT_TRUE(first->IsBuilt());
    EXPECT_FALSE(second->IsBuilt());
    EXPECT_EQ(session.app.ActiveWindow(), first);
    EXPECT_EQ(session.app.Registry().CmdWindows().size(), 2u);
}

TEST(AppWindows, MultiWindowModeBuildsEveryWindowAndActivatesTheNewest) {
    HeadlessSession<> session(0, OpenTwoWindows);
    ASSERT_EQ(session.app.Registry().Entries().size(), 2u);
    vWindow* newest = session.app.Registry().Entries()[0].window;
    EXPECT_TRUE(session.app.Registry().Entries()[1].window->IsBuilt());
    EXPECT_TRUE(newest->IsBuilt());
    EXPECT_EQ(session.app.ActiveWindow(), newest);
}

TEST(AppWindows, MaximizedWindowTitleShowsInTheFrameTitle) {
    HeadlessSession<> session;
    vWindow* window = session.app.OpenAppWindow(nullptr, "Last Map", 200, 100, nullptr);
    EXPECT_EQ(session.platform.FrameTitle(), "Test - [Last Map]");
    window->SetCaption("Intro.tga");
    EXPECT_EQ(session.platform.FrameTitle(), "Test - [Intro.tga]");
}

TEST(AppQuit, ClosingTheOnlyWindowEndsWithZeroAfterOneDrop) {
    HeadlessSession<RecordingApp> session;
    vWindow* window = session.app.OpenAppWindow(nullptr, "Main", 200, 100, nullptr);
    session.app.DropWindow(window);
    EXPECT_EQ(session.app.drops, 1);
    EXPECT_EQ(session.app.lastClosed, 1);
    EXPECT_TRUE(session.app.IsLoopEnded());
    EXPECT_EQ(session.app.Registry().DeadList(), std::vector<vWindow*>{window});
    EXPECT_TRUE(session.app.Registry().Entries().empty());
    EXPECT_EQ(session.app.Finish(), 0);
    EXPECT_FALSE(session.platform.FrameExists());
}

TEST(AppQuit, ClosingTheFrameDropsEveryWindowOnceAndEndsWithZero) {
    HeadlessSession<RecordingApp> session(0, OpenTwoWindows);
    session.platform.QueueClose();
    session.Pump();
    EXPECT_EQ(session.app.drops, 2);
    EXPECT_TRUE(session.app.IsLoopEnded());
    EXPECT_EQ(session.app.ExitCode(), 0);
    EXPECT_EQ(session.app.Registry().DeadList().size(), 2u);
}

TEST(AppQuit, RefusedDropKeepsTheLoopRunning) {
    HeadlessSession<RecordingApp> session;
    session.app.OpenAppWindow(nullptr, "Main", 200, 100, nullptr);
    session.app.refuseDrop = true;
    session.app.Quit();
    EXPECT_FALSE(session.app.IsLoopEnded());
    EXPECT_FALSE(session.app.IsQuitting());
    session.app.refuseDrop = false;
    session.app.Quit();
    EXPECT_TRUE(session.app.IsLoopEnded());
}

TEST(AppQuit, ExitCommandOfTheWindowReachesTheApplicationAndQuits) {
    HeadlessSession<RecordingApp> session;
    auto* window = new RecordingWindow("Main", 200, 100);
    session.app.OpenAppWindow(window, "Main", 200, 100, nullptr);
    window->OnMenuItem(vAppExitId);
    EXPECT_EQ(window->commands.front(), (RecordingWindow::Command{vAppExitId, vAppExitId, vMenuCommandType}));
    EXPECT_EQ(session.app.appCommands, std::vector<int>{vAppExitId});
    EXPECT_TRUE(session.app.IsLoopEnded());
}

TEST(AppQuit, EndingTheLoopWithAnErrorCodeStillDeletesEveryWindow) {
    HeadlessSession<> session;
    session.app.OpenAppWindow(nullptr, "Main", 200, 100, nullptr);
    session.app.EndEventLoop(99);
    session.app.EndEventLoop(0);
    EXPECT_EQ(session.app.Finish(), 99);
    EXPECT_TRUE(session.app.Registry().Entries().empty());
    EXPECT_TRUE(session.app.Registry().Windows().empty());
}

TEST(AppQuit, RunEndsWhenTheScriptRunsOutAsIfTheFrameWereClosed) {
    HeadlessSession<RecordingApp> session;
    session.app.OpenAppWindow(nullptr, "Main", 200, 100, nullptr);
    EXPECT_EQ(session.app.Run(), 0);
    EXPECT_EQ(session.app.drops, 1);
}

TEST(AppQuit, EventsAfterTheLoopEndedAreIgnored) {
    HeadlessSession<RecordingApp> session;
    auto* window = new RecordingWindow("Main", 200, 100);
    session.app.OpenAppWindow(window, "Main", 200, 100, nullptr);
    session.app.Quit();
    session.platform.QueueKey(vKeyLeft);
    session.platform.QueueClose();
    session.Pump();
    EXPECT_TRUE(window->keys.empty());
    EXPECT_EQ(session.app.drops, 1);
}

TEST(AppQuit, KeysForATornDownWindowGoNowhere) {
    HeadlessSession<RecordingApp> session(0);
    auto* kept = new RecordingWindow("Kept", 200, 100);
    session.app.OpenAppWindow(kept, "Kept", 200, 100, nullptr);
    auto* closed = new RecordingWindow("Closed", 200, 100);
    session.app.OpenAppWindow(closed, "Closed", 200, 100, nullptr);
    session.app.DropWindow(closed);
    session.platform.QueueKey(vKeyHome);
    session.Pump();
    EXPECT_TRUE(closed->keys.empty());
    EXPECT_EQ(kept->keys.size(), 1u);
    EXPECT_FALSE(session.app.IsLoopEnded());
}

TEST(AppDrop, DroppedFilesArriveOneByOneWithTheDropPoint) {
    HeadlessSession<RecordingApp> session;
    session.platform.QueueDrop({"/maps/a.tga", "/maps/b.ppm"}, 40, 60);
    session.Pump();
    ASSERT_EQ(session.app.dropped.size(), 2u);
    EXPECT_EQ(session.app.dropped[1].path, "/maps/b.ppm");
    EXPECT_EQ(session.app.dropped[0].x, 40);
    EXPECT_EQ(session.app.dropped[0].y, 60 - vFrame::kMenuBarHeight);
}

TEST(AppDrop, PathIsCutAt261Characters) {
    HeadlessSession<RecordingApp> session;
    session.platform.QueueDrop({std::string(400, 'p')}, 0, 30);
    session.Pump();
    ASSERT_EQ(session.app.dropped.size(), 1u);
    EXPECT_EQ(session.app.dropped[0].path.size(), 261u);
}

// Nothing a first application leaves behind changes how a second one in the same
// process starts: window ids, where windows go.
TEST(AppLifecycle, ASecondApplicationStartsAsTheFirstDid) {
    struct FirstWindow {
        int handle;
        vRect bounds;
    };
    auto run = [] {
        HeadlessSession<> session(0);
        vWindow* first = session.app.OpenAppWindow(nullptr, "First", 300, 200, nullptr);
        session.app.OpenAppWindow(nullptr, "Second", 300, 200, nullptr);
        return FirstWindow{first->Handle(), first->View().Bounds()};
    };
    FirstWindow once = run();
    FirstWindow again = run();
    EXPECT_EQ(once.handle, vFirstWindowId);
    EXPECT_EQ(again.handle, once.handle);
    EXPECT_EQ(again.bounds.x, once.bounds.x);
    EXPECT_EQ(again.bounds.y, once.bounds.y);
}

// Windows, their dialogs and timers may die after the application; they must not
// reach it then.
TEST(AppLifecycle, WhatOutlivesTheApplicationNoLongerReachesIt) {
    std::unique_ptr<vCmdWindow> spare;
    std::unique_ptr<vDialog> dialog;
    auto timer = std::make_unique<vTimer>();
    {
        HeadlessSession<> session(0);
        spare = std::make_unique<vCmdWindow>("Spare", 200, 100);
        dialog = std::make_unique<vDialog>(spare.get(), 0, "Owned");
        ASSERT_EQ(timer->StartTimer(50), 1);
        EXPECT_EQ(spare->App(), &session.app);
        EXPECT_EQ(dialog->App(), &session.app);
        EXPECT_EQ(vDialog(nullptr).App(), &session.app);
    }
    EXPECT_EQ(spare->App(), nullptr);
    EXPECT_EQ(dialog->App(), nullptr);
    EXPECT_FALSE(timer->IsRunning());
    dialog.reset();
    spare.reset();
    timer.reset();
}
