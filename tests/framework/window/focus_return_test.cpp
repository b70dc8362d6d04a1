#include <gtest/gtest.h>

#include <memory>

#include "framework/platform/platform.h"
#include "framework/window/timer.h"
#include "window/app_fixture.h"
#include "window/test_windows.h"

// A box gives the keyboard back to whoever had it, unless that view went away while
// the box was up.

namespace {

// Destroys a floating view when it ticks, as a program's timer might close a tool.
class ClosingTimer : public vTimer {
public:
    explicit ClosingTimer(std::unique_ptr<vView>& view) : view_(view) {}
    void OnTimerTick() override {
        StopTimer();
        view_.reset();
    }

private:
    std::unique_ptr<vView>& view_;
};

}  // namespace

TEST(FocusReturn, ABoxGivesTheKeyboardToNobodyWhenItsHolderWentAwayMeanwhile) {
    HeadlessSession<> session;
    RecordingWindow* window = new RecordingWindow("Main", 300, 200);
    session.app.OpenAppWindow(window, "Main", 300, 200, nullptr);
    auto tool = std::make_unique<vView>();
    tool->SetBounds(20, 60, 40, 40);
    const vView* toolAddress = tool.get();
    session.app.Frame().AddFloating(tool.get());
    session.app.Frame().SetFocus(tool.get());

    ClosingTimer timer(tool);
    timer.StartTimer(10);
    session.platform.AdvanceClock(10);
    session.platform.QueueKey(vKeyReturn);
    session.app.ShowWarning("Disk full");

    EXPECT_EQ(tool, nullptr);
    EXPECT_NE(session.app.Frame().Focus(), toolAddress);
    EXPECT_TRUE(window->HasFocus());
}
