#include "framework/window/timer.h"

#include <gtest/gtest.h>

#include "framework/window/cmd_window.h"
#include "window/app_fixture.h"

namespace {

class CountingTimer : public vTimer {
public:
    void OnTimerTick() override { ++ticks; }
    int ticks = 0;
};

}  // namespace

TEST(Timer, TicksOnceForEveryPeriodThatPasses) {
    HeadlessSession<> session;
    CountingTimer timer;
    ASSERT_EQ(timer.StartTimer(100), 1);
    session.platform.AdvanceClock(350);
    session.Pump();
    EXPECT_EQ(timer.ticks, 3);
}

TEST(Timer, StartingAgainReplacesThePreviousPeriod) {
    HeadlessSession<> session;
    CountingTimer timer;
    timer.StartTimer(10);
    timer.StartTimer(100);
    EXPECT_EQ(session.platform.ActiveTimerCount(), 1);
    session.platform.AdvanceClock(100);
    session.Pump();
    EXPECT_EQ(timer.ticks, 1);
}

TEST(Timer, StoppedTimerTicksNoMoreEvenWithATickQueued) {
    HeadlessSession<> session;
    CountingTimer timer;
    timer.StartTimer(50);
    session.platform.AdvanceClock(50);
    timer.StopTimer();
    session.Pump();
    EXPECT_EQ(timer.ticks, 0);
    EXPECT_FALSE(timer.IsRunning());
}

TEST(Timer, DestroyedTimerLeavesNoTickBehind) {
    HeadlessSession<> session;
    {
        CountingTimer timer;
        timer.StartTimer(50);
        session.platform.AdvanceClock(50);
    }
    EXPECT_EQ(session.platform.ActiveTimerCount(), 0);
    session.Pump();
}

TEST(Timer, RefusedTimerShowsTheFailureBoxAndReturnsZero) {
    HeadlessSession<> session;
    session.platform.RefuseTimers(true);
    session.platform.AlwaysAnswer(vModalRequest::Kind::Warning, vModalAnswer{});
    CountingTimer timer;
    EXPECT_EQ(timer.StartTimer(100), 0);
    EXPECT_FALSE(timer.IsRunning());
    ASSERT_EQ(session.platform.ModalRequests().size(), 1u);
    EXPECT_EQ(session.platform.ModalRequests()[0].text, "Failed to create timer");
}

TEST(Timer, WorkTimerRunsTheIdleHooksOfTheApplicationAndItsWindows) {
    struct IdleApp : vApp {
        IdleApp(const char* name, int single) : vApp(name, single) {}
        void OnIdleWork() override { ++appIdles; }
        int appIdles = 0;
    };
    struct IdleWindow : vCmdWindow {
        using vCmdWindow::vCmdWindow;
        void OnIdleWork() override { ++idles; }
        int idles = 0;
    };
    HeadlessSession<IdleApp> session;
    auto* window = new IdleWindow("W", 100, 100);
    session.app.OpenAppWindow(window, "W", 100, 100, nullptr);
    ASSERT_EQ(session.app.StartWorkTimer(20), 1);
    session.platform.AdvanceClock(40);
    session.Pump();
    EXPECT_EQ(session.app.appIdles, 2);
    EXPECT_EQ(window->idles, 2);
    session.app.Quit();
    EXPECT_EQ(session.platform.ActiveTimerCount(), 0);
}
