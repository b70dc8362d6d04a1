#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "ops/value_operations.h"

namespace {

using Calls = std::vector<std::string>;

constexpr uint32_t kNearWhitePixel = 0xFFFEFF;

int Ramp(int x, int y) { return (x + 3 * y) % 200; }

// Outlines the polygon with left clicks, one vertex each.
void Outline(CanvasFixture& f, std::initializer_list<vPoint> vertices) {
    for (vPoint vertex : vertices) f.Click(vertex.x, vertex.y);
}

}  // namespace

TEST(CanvasSelection, RubberBandFollowsTheDragAndLeavesNothingBehind) {
    CanvasFixture f;
    f.Load(300, 240, kEightBitField, Ramp);
    f.canvas.SetSelectMode(1);
    f.Click(20, 20);
    f.Pump();
    Raster before = f.canvas.Surface();

    f.Press(100, 30);
    EXPECT_NE(f.Shown(60, 25), before.At(60, 25) & 0xFFFFFF);  // the band, inverted
    f.MoveTo(120, 90);
    f.MoveTo(20, 20);  // back onto the vertex: no band at all
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 130; ++x) ASSERT_EQ(f.Shown(x, y), before.At(x, y) & 0xFFFFFF) << x << "," << y;
    }
    f.MoveTo(80, 60);
    f.Release(80, 60);
    ASSERT_EQ(f.document.selection().vertexCount(), 2);
    EXPECT_EQ(f.Shown(50, 40), kNearWhitePixel);  // the outline, in near-white
    EXPECT_EQ(f.Shown(60, 25), before.At(60, 25) & 0xFFFFFF);

    f.Click(80, 60);  // a release on the newest vertex adds none
    EXPECT_EQ(f.document.selection().vertexCount(), 2);
}

TEST(CanvasSelection, RightClickWithFewerThanThreeVerticesStartsOverFromTheCommit) {
    CanvasFixture f;
    f.Load(300, 240, kEightBitField, Ramp);
    f.canvas.SetSelectMode(1);
    FillValue(f.document.field(), 0, 9);  // an uncommitted change
    Outline(f, {{10, 10}, {90, 10}});
    f.Click(50, 50, 3);
    EXPECT_EQ(f.document.selection().state(), FieldSelection::kOutlining);
    EXPECT_EQ(f.document.selection().vertexCount(), 0);
    EXPECT_EQ(f.document.field().FieldValue(50, 10), Ramp(50, 10));
    EXPECT_TRUE(f.ShowsTheField());
}

TEST(CanvasSelection, ClosedPolygonFillsTheMaskEvenOddUnderTheOutlineAtAnyScroll) {
    CanvasFixture f;
    f.Load(800, 600, kEightBitField, Ramp);
    f.canvas.OnHStep(5);
    f.canvas.OnVStep(3);
    f.Pump();
    ASSERT_EQ(f.canvas.ShownArea().x, 40);
    ASSERT_EQ(f.canvas.ShownArea().y, 24);
    f.canvas.SetSelectMode(1);
    // A five-pointed star: its points are inside, its doubly wound centre is not.
    Outline(f, {{70, 10}, {99, 100}, {22, 44}, {118, 44}, {41, 100}});
    f.Click(0, 0, 3);
    ASSERT_EQ(f.document.selection().state(), FieldSelection::kChosen);
    EXPECT_EQ(f.document.selection().points().front().x, 110);  // field coordinates
    EXPECT_EQ(f.document.selection().points().back().y, 34);    // the first again, closing
    EXPECT_EQ(f.document.field().MaskTest(40 + 70, 24 + 20), 0);        // top point
    EXPECT_EQ(f.document.field().MaskTest(40 + 110, 24 + 46), 0);       // right point
    EXPECT_EQ(f.document.field().MaskTest(40 + 70, 24 + 62), 1);        // centre
    EXPECT_EQ(f.document.field().MaskTest(40 + 5, 24 + 60), 1);
    // The outline: black two pixels wide around a near-white core.
    EXPECT_EQ(f.Shown(22, 44), kNearWhitePixel);
    int black = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) black += f.Shown(70 + dx, 44 + dy) == 0;
    }
    EXPECT_GT(black, 0);
}

TEST(CanvasSelection, VertexBeyondTheFieldSlidesOntoItsEdge) {
    CanvasFixture f;
    f.Load(100, 80, kSixteenBitField, [](int, int) { return 1000; });
    f.canvas.SetSelectMode(1);
    Outline(f, {{40, 20}, {160, 50}, {40, 60}});
    const auto& points = f.document.selection().points();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].x, 100);
    EXPECT_EQ(points[1].y, 20 + 30 * 60 / 120);
}

TEST(CanvasSelection, ReleaseMakesUndoSensitiveThenRunsOnTheSideClickedThenRedrawsTheOutline) {
    CanvasFixture f;
    f.Load(200, 160, kEightBitField, [](int, int) { return 10; });
    f.owner.operation = [&](int area) { FillValue(f.document.field(), area, 90); };
    f.Click(5, 5);
    EXPECT_EQ(f.owner.calls, (Calls{"arm", "undo keep 1", "run 0"}));
    EXPECT_EQ(f.document.field().FieldValue(150, 150), 90);

    f.canvas.SetSelectMode(1);
    f.owner.calls.clear();
    Outline(f, {{20, 20}, {100, 20}, {100, 100}, {20, 100}});
    EXPECT_EQ(f.owner.calls, (Calls(4, "undo keep 1")));  // outlining arms and runs nothing
    f.Click(0, 0, 3);
    f.owner.calls.clear();
    f.owner.operation = [&](int area) { FillValue(f.document.field(), area, area == 1 ? 33 : 44); };
    f.Click(50, 50);
    f.Click(150, 150);
    f.Click(250, 50);  // beyond the field: the whole field
    EXPECT_EQ(f.owner.calls, (Calls{"arm", "undo keep 1", "run 1", "arm", "undo keep 1", "run 2", "arm",
                                    "undo keep 1", "run 0"}));
    EXPECT_EQ(f.Shown(100, 60), kNearWhitePixel);  // redrawn with the outline after the run
}

TEST(CanvasSelection, ZoomScalesAChosenPolygonWithTheField) {
    CanvasFixture f;
    f.Load(60, 40, kEightBitField, Ramp);
    f.canvas.SetSelectMode(1);
    Outline(f, {{10, 10}, {30, 10}, {30, 30}, {10, 30}});
    f.Click(0, 0, 3);
    f.document.Commit();
    ASSERT_EQ(f.canvas.Zoom(ZoomMode::Expand), ZoomOutcome::kDone);
    EXPECT_EQ(f.document.field().width(), 120);
    EXPECT_EQ(f.document.selection().points()[2].x, 60);
    EXPECT_EQ(f.document.field().MaskTest(40, 40), 0);
    EXPECT_EQ(f.document.field().MaskTest(15, 40), 1);
    EXPECT_EQ(f.document.selection().state(), FieldSelection::kChosen);

    ASSERT_EQ(f.canvas.Zoom(ZoomMode::Shrink), ZoomOutcome::kDone);
    ASSERT_EQ(f.canvas.Zoom(ZoomMode::Shrink), ZoomOutcome::kDone);
    EXPECT_EQ(f.document.field().width(), 30);
    EXPECT_EQ(f.document.selection().points()[2].y, 15);
    EXPECT_EQ(f.document.field().MaskTest(10, 10), 0);
    EXPECT_EQ(f.document.field().MaskTest(2, 10), 1);
    f.Pump();
    EXPECT_EQ(f.Shown(25, 18), f.Working(25, 18));
    EXPECT_EQ(f.Shown(40, 10), 0xFFFFFFu);  // nothing of the larger field stays beside it
}
