#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "ops/tile_operations.h"
#include "ops/value_operations.h"

namespace {

int Ramp(int x, int y) { return (x + 3 * y) % 200; }

void Scroll(CanvasFixture& f, bool horizontal, vScrollAction action, int position = 0) {
    f.canvas.ScrollAction(horizontal, action, position);
    f.Pump();
}

}  // namespace

TEST(CanvasScrolling, StepsPagesAndTheThumbMoveTheViewWithinTheField) {
    CanvasFixture f;
    f.Load(1000, 800, kEightBitField, Ramp);
    int shown = 0, top = 0;
    ASSERT_EQ(f.canvas.GetHScroll(shown, top), 1);
    ASSERT_EQ(f.canvas.GetVScroll(shown, top), 1);
    const int thumb = f.canvas.PaneWidth() * 100 / 1000;
    EXPECT_EQ(f.canvas.GetHScroll(shown, top), 1);
    EXPECT_EQ(shown, thumb);

    Scroll(f, true, vScrollAction::StepForward);
    EXPECT_EQ(f.canvas.ShownArea().x, 8);
    EXPECT_TRUE(f.ShowsTheField());
    Scroll(f, true, vScrollAction::StepBack);
    Scroll(f, true, vScrollAction::StepBack);
    EXPECT_EQ(f.canvas.ShownArea().x, 0);

    // A page whose target lies under the thumb jumps there; one beyond it moves 50.
    Scroll(f, true, vScrollAction::PageForward);
    EXPECT_EQ(f.canvas.ShownArea().x, 100);
    Scroll(f, true, vScrollAction::ThumbPosition, 90);
    EXPECT_EQ(f.canvas.ShownArea().x, 150);
    f.canvas.GetHScroll(shown, top);
    EXPECT_EQ(top, 15);
    Scroll(f, true, vScrollAction::JumpStart);
    EXPECT_EQ(f.canvas.ShownArea().x, 0);

    for (int i = 0; i < 120; ++i) f.canvas.ScrollAction(false, vScrollAction::StepForward, 0);
    f.Pump();
    EXPECT_EQ(f.canvas.ShownArea().y, 800 - f.canvas.PaneHeight());
    EXPECT_TRUE(f.ShowsTheField());
}

TEST(CanvasScrolling, ASmallerFieldPullsTheViewBackInsideAndHidesTheBars) {
    CanvasFixture f;
    f.Load(1000, 800, kEightBitField, Ramp);
    for (int i = 0; i < 100; ++i) {
        f.canvas.OnHStep(1);
        f.canvas.OnVStep(1);
    }
    ASSERT_GT(f.canvas.ShownArea().x, 0);
    f.Load(120, 90, kSixteenBitField, [](int x, int y) { return x * 300 + y; });
    EXPECT_EQ(f.canvas.ShownArea().x, 0);
    EXPECT_EQ(f.canvas.ShownArea().y, 0);
    int shown = 0, top = 0;
    EXPECT_EQ(f.canvas.GetHScroll(shown, top), 0);
    EXPECT_EQ(f.canvas.GetVScroll(shown, top), 0);
    EXPECT_TRUE(f.ShowsTheField());
    EXPECT_EQ(f.Shown(150, 50), 0xFFFFFFu);
}

TEST(CanvasScrolling, ARepaintWhitensWhatWasDrawnBesideAndBelowASmallerField) {
    CanvasFixture f;
    f.Load(120, 90, kEightBitField, Ramp);
    f.canvas.UsePen(vPen(0, 0, 0, 3));
    f.canvas.PaintLine(0, 100, 200, 100);
    f.canvas.PaintLine(150, 0, 150, 120);
    ASSERT_NE(f.Shown(150, 50), 0xFFFFFFu);
    f.canvas.RequestRepaint(0, 0, 0, 0);
    f.Pump();
    EXPECT_TRUE(f.ShowsTheField());
    EXPECT_EQ(f.Shown(150, 50), 0xFFFFFFu);
    EXPECT_EQ(f.Shown(60, 100), 0xFFFFFFu);
    EXPECT_EQ(f.Shown(150, 100), 0xFFFFFFu);
}

TEST(CanvasReadOut, GivesTheFieldPositionAndTheHeightTheScreenShows) {
    CanvasFixture f;
    f.Load(1000, 800, kEightBitField, Ramp);
    f.canvas.OnHStep(2);
    f.canvas.OnVStep(1);
    f.MoveTo(30, 40);
    f.Press(60, 41);
    f.MoveTo(61, 42);  // a drag reads out too
    f.Release(61, 42);
    EXPECT_EQ(f.owner.readOuts, (std::vector<std::string>{
                                    " X,Y Location: 46,48 height:" + std::to_string(Ramp(46, 48)),
                                    " X,Y Location: 76,49 height:" + std::to_string(Ramp(76, 49)),
                                    " X,Y Location: 77,50 height:" + std::to_string(Ramp(77, 50))}));

    // The outline's near-white core reads as its blue byte, or as its low 16 bits.
    f.canvas.SetSelectMode(1);
    f.Click(10, 10);
    f.Click(100, 10);
    f.owner.readOuts.clear();
    f.MoveTo(50, 10);
    EXPECT_EQ(f.owner.readOuts, (std::vector<std::string>{" X,Y Location: 66,18 height:255"}));

    f.Load(100, 60, kSixteenBitField, [](int, int) { return 0x1234; });
    f.canvas.SetSelectMode(1);
    f.Click(10, 10);
    f.Click(90, 10);
    f.owner.readOuts.clear();
    f.MoveTo(50, 10);
    f.MoveTo(50, 20);
    f.MoveTo(150, 20);  // beside the field, on white
    EXPECT_EQ(f.owner.readOuts, (std::vector<std::string>{" X,Y Location: 50,10 height:65279",
                                                          " X,Y Location: 50,20 height:4660",
                                                          " X,Y Location: 150,20 height:0"}));
}

TEST(CanvasScrolling, AnOperationsRowsAppearWhereTheScrolledViewShowsThem) {
    CanvasFixture f;
    f.Load(1000, 800, kSixteenBitField, [](int x, int y) { return x + y; });
    f.canvas.OnHStep(3);
    f.canvas.OnVStep(5);
    f.Pump();
    AddValue(f.document.field(), 0, 1000);  // each row drawn as it is written, before any idle time
    EXPECT_EQ(f.document.field().FieldValue(24, 40), 1064);
    EXPECT_TRUE(f.ShowsTheField());
    Mirror(f.document.field(), MirrorDirection::LeftToRight);  // single positions, shown by the next display frame
    f.Pump();
    EXPECT_TRUE(f.ShowsTheField());
}
