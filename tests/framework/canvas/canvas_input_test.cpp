#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"

using Lines = std::vector<std::string>;

TEST(CanvasMouse, LeftPressDragReleaseInPaneCoordinates) {
    CanvasSession s(300, 200);
    s.canvas.events.clear();
    s.platform().QueueDrag(s.X(10), s.Y(20), s.X(30), s.Y(40), 1, 2);
    s.Pump();
    EXPECT_EQ(s.canvas.events,
              (Lines{"hover 10 20", "down 10 20 1", "drag 20 30 1", "drag 30 40 1", "up 30 40 1"}));
}

TEST(CanvasMouse, MiddleAndRightButtonsAlwaysArriveAndDragWithTheirNumbers) {
    CanvasSession s(300, 200);
    s.canvas.events.clear();
    s.platform().QueueDrag(s.X(5), s.Y(5), s.X(9), s.Y(9), 3, 1);
    s.platform().QueueDrag(s.X(5), s.Y(5), s.X(9), s.Y(9), 2, 1);
    s.Pump();
    EXPECT_EQ(s.canvas.events, (Lines{"hover 5 5", "down 5 5 3", "drag 9 9 3", "up 9 9 3", "hover 5 5",
                                      "down 5 5 2", "drag 9 9 2", "up 9 9 2"}));
}

TEST(CanvasMouse, LeftReleaseWithoutItsPressIsNotDelivered) {
    CanvasSession s(300, 200);
    s.canvas.events.clear();
    s.platform().QueuePress(s.X(10), s.Y(10) + 300, 1);
    s.platform().QueueMove(s.X(10), s.Y(10));
    s.platform().QueueRelease(s.X(10), s.Y(10), 1);
    s.Pump();
    EXPECT_EQ(s.canvas.events, (Lines{"hover 10 10"}));
}

TEST(CanvasMouse, PressThatActivatesTheWindowIsSwallowedAndItsDragHovers) {
    HeadlessSession<> session(0);
    auto* first = new vCmdWindow("First", 200, 150);
    session.app.OpenAppWindow(first, "First", 200, 150, nullptr);
    RecordingCanvas firstCanvas;
    first->AddPane(&firstCanvas);
    auto* second = new vCmdWindow("Second", 200, 150);
    session.app.OpenAppWindow(second, "Second", 200, 150, nullptr);
    RecordingCanvas secondCanvas;
    second->AddPane(&secondCanvas);
    second->MoveTo(300, 200);
    session.Pump();
    firstCanvas.events.clear();
    vRect b = firstCanvas.Bounds();
    session.platform.QueueDrag(b.x + 10, b.y + 10, b.x + 20, b.y + 10, 1, 1);
    session.platform.QueueClick(b.x + 30, b.y + 10);
    session.Pump();
    EXPECT_EQ(session.app.ActiveWindow(), first);
    EXPECT_EQ(firstCanvas.events, (Lines{"hover 10 10", "focus in", "hover 20 10", "hover 30 10",
                                         "down 30 10 1", "up 30 10 1"}));
    EXPECT_EQ(secondCanvas.Of("focus out").size(), 1u);
}

TEST(CanvasMouse, WheelStepsADisplayedBar) {
    CanvasSession s(300, 200);
    s.canvas.ShowVScroll(1);
    s.canvas.SetVScroll(20, 50);
    s.canvas.events.clear();
    s.platform().QueueWheel(s.X(10), s.Y(10), 0, -1);
    s.Pump();
    EXPECT_EQ(s.canvas.Of("vstep"), (Lines{"vstep 1", "vstep 1", "vstep 1"}));
    int shown, top;
    s.canvas.GetVScroll(shown, top);
    EXPECT_EQ(top, 53);
    s.platform().QueueWheel(s.X(10), s.Y(10), -1, 0);
    s.Pump();
    EXPECT_TRUE(s.canvas.Of("hstep").empty());
}

TEST(CanvasScroll, ValuesOutsideTheScaleAreIgnored) {
    CanvasSession s(300, 200);
    s.canvas.SetHScroll(40, 30);
    s.canvas.SetHScroll(50, 120);
    s.canvas.SetHScroll(-1, 10);
    int shown, top;
    s.canvas.GetHScroll(shown, top);
    EXPECT_EQ(shown, 40);
    EXPECT_EQ(top, 30);
}

TEST(CanvasScroll, PagesStepsAndJumpsStayOnTheScale) {
    CanvasSession s(300, 200);
    s.canvas.SetVScroll(30, 95);
    s.canvas.ScrollAction(false, vScrollAction::PageForward, 0);
    s.canvas.SetVScroll(30, 5);
    s.canvas.ScrollAction(false, vScrollAction::PageBack, 0);
    s.canvas.ScrollAction(false, vScrollAction::StepBack, 0);
    s.canvas.ScrollAction(false, vScrollAction::PageForward, 0);
    s.canvas.ScrollAction(false, vScrollAction::JumpEnd, 0);
    s.canvas.ScrollAction(false, vScrollAction::ThumbPosition, 42);
    s.canvas.ScrollAction(false, vScrollAction::ThumbTrack, 60);
    s.canvas.ScrollAction(false, vScrollAction::JumpStart, 0);
    EXPECT_EQ(s.canvas.Of("vpage"), (Lines{"vpage 30 100", "vpage 30 0", "vpage 30 10", "vpage 30 100",
                                           "vpage 30 42", "vpage 30 0"}));
    EXPECT_EQ(s.canvas.Of("vstep"), (Lines{"vstep -1"}));
}

TEST(CanvasScroll, ArrowStepAtTheStartKeepsZero) {
    CanvasSession s(300, 200);
    s.canvas.ScrollAction(true, vScrollAction::StepBack, 0);
    int shown, top;
    s.canvas.GetHScroll(shown, top);
    EXPECT_EQ(top, 0);
    s.canvas.ScrollAction(true, vScrollAction::StepForward, 0);
    s.canvas.GetHScroll(shown, top);
    EXPECT_EQ(top, 1);
}

TEST(CanvasScroll, PressesOnTheDrawnBarMapToItsActions) {
    CanvasSession s(300, 200);
    s.canvas.ShowVScroll(1);
    s.canvas.SetVScroll(25, 0);
    s.Pump();
    s.canvas.events.clear();
    const vScrollBar& bar = s.canvas.VerticalBar();
    int x = bar.Bounds().x + 8, top = bar.Bounds().y;
    s.platform().QueueClick(x, top + 5);
    s.platform().QueueClick(x, top + bar.Bounds().h - 5);
    s.platform().QueueClick(x, top + bar.Bounds().h - 30);
    s.Pump();
    EXPECT_EQ(s.canvas.events, (Lines{"vstep -1", "vstep 1", "vpage 25 11"}));
    EXPECT_TRUE(s.canvas.Of("down").empty());
}

TEST(CanvasScroll, DraggedThumbReportsItsTopOnTheScaleItIsDrawnOn) {
    CanvasSession s(300, 200);
    s.canvas.ShowHScroll(1);
    s.canvas.SetHScroll(20, 0);
    s.Pump();
    s.canvas.events.clear();
    const vScrollBar& bar = s.canvas.HorizontalBar();
    int grab = bar.Bounds().x + bar.ThumbStart() + 3, y = bar.Bounds().y + 8;
    int travel = bar.TrackLength() - bar.ThumbLength();
    s.platform().QueueDrag(grab, y, grab + travel / 2, y, 1, 3);
    s.Pump();
    grab = bar.Bounds().x + bar.ThumbStart() + 3;
    s.platform().QueueDrag(grab, y, grab + 10 * travel, y, 1, 1);
    s.Pump();
    EXPECT_EQ(s.canvas.Of("hpage"), (Lines{"hpage 20 40", "hpage 20 80"}));
    int shown, top;
    s.canvas.GetHScroll(shown, top);
    EXPECT_EQ(top, 80);
    EXPECT_EQ(bar.ThumbStart(), bar.TrackStart() + travel);
}

// Page size 30 at top 70 fills the track to its end; at top 35 the thumb covers the
// track's middle share.
TEST(CanvasScroll, ThumbCoversTopToTopPlusShownOfTheTrack) {
    CanvasSession s(300, 200);
    s.canvas.ShowVScroll(1);
    s.canvas.SetVScroll(30, 70);
    s.Pump();
    const vScrollBar& bar = s.canvas.VerticalBar();
    EXPECT_EQ(bar.ThumbStart() + bar.ThumbLength(), bar.TrackStart() + bar.TrackLength());
    s.canvas.SetVScroll(30, 35);
    EXPECT_EQ(bar.ThumbStart(), bar.TrackStart() + bar.TrackLength() * 35 / 100);
    EXPECT_EQ(bar.PositionAt(bar.ThumbStart()), 35);
}

TEST(CanvasScroll, HeldArrowRepeatsWhileTheClockRuns) {
    CanvasSession s(300, 200);
    s.canvas.ShowVScroll(1);
    s.Pump();
    s.canvas.events.clear();
    const vScrollBar& bar = s.canvas.VerticalBar();
    int x = bar.Bounds().x + 8, y = bar.Bounds().y + bar.Bounds().h - 5;
    s.platform().QueuePress(x, y, 1);
    s.Pump();
    s.platform().AdvanceClock(400);
    s.Pump();
    s.platform().AdvanceClock(50 * 4);
    s.Pump();
    s.platform().QueueRelease(x, y, 1);
    s.platform().AdvanceClock(1000);
    s.Pump();
    EXPECT_EQ(s.canvas.Of("vstep").size(), 1u + 1u + 4u);
}
