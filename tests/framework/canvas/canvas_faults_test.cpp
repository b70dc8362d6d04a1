#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"

// A held scroll arrow repeats on a timer. Whatever takes the pointer away from the bar
// (its window closing, a modal box opening) must end the repeat, or the pane would
// keep scrolling for a press nobody holds any more.

namespace {

// Presses and holds the vertical bar's end arrow; returns the steps seen so far.
size_t HoldEndArrow(CanvasSession& s) {
    s.canvas.ShowVScroll(1);
    s.Pump();
    s.canvas.events.clear();
    const vScrollBar& bar = s.canvas.VerticalBar();
    s.platform().QueuePress(bar.Bounds().x + 8, bar.Bounds().y + bar.Bounds().h - 5, 1);
    s.Pump();
    return s.canvas.Of("vstep").size();
}

}  // namespace

TEST(CanvasFaults, HeldArrowStopsWhenItsWindowCloses) {
    CanvasSession s(300, 200);
    ASSERT_EQ(HoldEndArrow(s), 1u);
    s.session.app.DropWindow(s.window);
    s.platform().AdvanceClock(2000);
    s.Pump();
    EXPECT_EQ(s.canvas.Of("vstep").size(), 1u);
    EXPECT_EQ(s.platform().ActiveTimerCount(), 0);
}

TEST(CanvasFaults, HeldArrowStopsWhenAModalBoxOpens) {
    CanvasSession s(300, 200);
    ASSERT_EQ(HoldEndArrow(s), 1u);
    s.platform().AdvanceClock(2000);
    s.platform().QueueKey(vKeyReturn);
    s.session.app.ShowWarning("Look");
    size_t stepsAfterBox = s.canvas.Of("vstep").size();
    s.platform().AdvanceClock(2000);
    s.Pump();
    EXPECT_EQ(s.canvas.Of("vstep").size(), stepsAfterBox);
    EXPECT_FALSE(s.session.app.Frame().Capture());
}

TEST(CanvasFaults, ReleaseAfterTheWindowClosedReachesNobody) {
    CanvasSession s(300, 200);
    s.canvas.events.clear();
    s.platform().QueuePress(s.X(10), s.Y(10), 1);
    s.Pump();
    s.session.app.DropWindow(s.window);
    s.platform().QueueMove(s.X(20), s.Y(20));
    s.platform().QueueRelease(s.X(20), s.Y(20), 1);
    s.platform().QueueResize(640, 480);
    s.platform().QueueFocus(false);
    s.platform().QueueFocus(true);
    s.Pump();
    EXPECT_EQ(s.canvas.events, (std::vector<std::string>{"down 10 10 1", "focus out"}));
}
