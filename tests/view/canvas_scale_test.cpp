#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "ops/roughen.h"
#include "ops/smooth.h"
#include "ops/tile_operations.h"
#include "ops/value_operations.h"

namespace {

int Ramp(int x, int y) { return (x + 3 * y) % 200; }

// Ramp with holes: a 16 x 16 block without any value and scattered single positions.
int RampWithHoles(int x, int y) {
    if (x >= 32 && x < 48 && y >= 16 && y < 32) return -1;
    return (x * 7 + y) % 13 == 0 ? -1 : Ramp(x, y);
}

// What a zoomed-out pixel must show: the rounded mean of its block's values through the
// field's colours, white when no position of the block has a value.
uint32_t BlockPixel(const HeightField& field, vPoint from, vPoint to) {
    int64_t sum = 0, count = 0;
    for (int y = from.y; y < to.y; ++y) {
        for (int x = from.x; x < to.x; ++x) {
            int value = field.FieldValue(x, y);
            if (value < 0) continue;
            sum += value;
            ++count;
        }
    }
    return count ? field.ValueColor(int((sum + count / 2) / count)).Pixel() : kNoValuePixel;
}

// True when every pixel of the view shows what the scale says it must.
bool ShowsTheFieldAtScale(CanvasFixture& f) {
    const KnollViewScale& scale = f.canvas.Scale();
    const HeightField& field = f.document.field();
    const vRect view = f.canvas.ShownArea();
    for (int y = 0; y < f.canvas.PaneHeight(); ++y) {
        for (int x = 0; x < f.canvas.PaneWidth(); ++x) {
            int fx = scale.ToField(x, view.x);
            int fy = scale.ToField(y, view.y);
            uint32_t expected = kNoValuePixel;
            if (scale.IsReduced()) {
                vPoint end{scale.ToField(x + 1, view.x), scale.ToField(y + 1, view.y)};
                expected = BlockPixel(field, {fx, fy}, end);
            } else if (field.Contains(fx, fy)) {
                expected = field.working().ReadPixel(fx, fy);
            }
            if (f.Shown(x, y) != expected) {
                ADD_FAILURE() << "pixel " << x << "," << y << " at " << scale.Label();
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(CanvasScale, ScalesMapViewAndFieldPositionsBothWays) {
    KnollViewScale scale;
    EXPECT_EQ(scale.Label(), "1:1");
    EXPECT_EQ(scale.ToField(7, 100), 107);
    scale.SetLevel(-2);
    EXPECT_EQ(scale.Label(), "1:4");
    EXPECT_EQ(scale.ToField(7, 100), 128);
    EXPECT_EQ(scale.ToView(131, 100), 7);
    EXPECT_EQ(scale.ToView(99, 100), -1);
    EXPECT_EQ(scale.FieldSpan(10), 40);
    EXPECT_EQ(scale.OnGrid(131), 128);
    scale.SetLevel(3);
    EXPECT_EQ(scale.Label(), "8:1");
    EXPECT_EQ(scale.ToField(15, 100), 101);
    EXPECT_EQ(scale.ToView(101, 100), 12);  // the centre of the position's block
    EXPECT_EQ(scale.FieldSpan(17), 3);
    scale.SetLevel(9);
    EXPECT_EQ(scale.Label(), "16:1");
    scale.SetLevel(-9);
    EXPECT_EQ(scale.Label(), "1:16");

    EXPECT_EQ(KnollViewScale::Fit(400, 400, 900, 700).Label(), "1:1");
    EXPECT_EQ(KnollViewScale::Fit(100, 40, 900, 700).Label(), "8:1");
    EXPECT_EQ(KnollViewScale::Fit(8192, 8192, 300, 300).Label(), "1:16");
    EXPECT_EQ(KnollViewScale::Fit(4096, 2048, 2048, 1100).Label(), "1:2");
}

// 4096 positions on 1280 pixels: 1:3.2, sampled from 1:2, so pixels show alternately one
// and two blocks of two positions a side.
TEST(CanvasScale, AFractionalFitMapsPixelsToWholeBlocksAndBack) {
    KnollViewScale fit = KnollViewScale::Fit(4096, 3000, 1280, 1000);
    EXPECT_EQ(fit.Label(), "1:3.2");
    EXPECT_EQ(fit.level(), -1);
    EXPECT_EQ(fit.ViewSpan(4096), 1280);
    EXPECT_LE(fit.ViewSpan(3000), 1000);
    for (int x : {0, 1, 2, 3, 4, 5}) EXPECT_EQ(fit.ToField(x, 10), 10 + 2 * (16 * x / 10)) << x;
    for (int v = -3; v < 50; ++v) {
        for (int f = fit.ToField(v, 10); f < fit.ToField(v + 1, 10); ++f) EXPECT_EQ(fit.ToView(f, 10), v) << f;
    }
    EXPECT_EQ(fit.FieldSpan(1280), 4096);
    EXPECT_EQ(fit.LevelAfter(1), -1);
    EXPECT_EQ(fit.LevelAfter(-1), -2);

    // A field just too large for the view fits below 1:2, and its odd last column too.
    fit = KnollViewScale::Fit(1001, 1001, 900, 950);
    EXPECT_EQ(fit.level(), 0);
    EXPECT_FALSE(fit.IsActualSize());
    EXPECT_EQ(fit.ViewSpan(1001), 900);
    EXPECT_EQ(fit.LevelAfter(1), 0);
    fit = KnollViewScale::Fit(4097, 100, 1280, 1000);
    EXPECT_EQ(fit.ViewSpan(4097), 1280);
}

TEST(CanvasScale, ZoomedOutPixelsShowTheMeanOfTheirBlocksValues) {
    CanvasFixture f;
    f.Load(203, 117, kEightBitField, RampWithHoles);
    for (int level : {-1, -2, -4}) {
        f.canvas.SetScaleAround(level, 0, 0);
        f.Pump();
        EXPECT_TRUE(ShowsTheFieldAtScale(f));
    }
    // The hole: a block of 1:16 without any value is white.
    EXPECT_EQ(f.Shown(2, 1), kNoValuePixel);
    f.Load(333, 250, kSixteenBitField, [](int x, int y) { return x * 190 + y * 7 + (x * y) % 5; });
    f.canvas.SetScaleAround(-3, 0, 0);
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    EXPECT_EQ(f.owner.calls.size(), 0u);
}

TEST(CanvasScale, TheReducedCopyFollowsEveryKindOfWrite) {
    CanvasFixture f;
    f.Load(700, 530, kEightBitField, RampWithHoles);
    f.canvas.SetScaleAround(-2, 0, 0);
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));

    HeightField& field = f.document.field();
    AddValue(field, 0, 40);  // rows drawn one by one
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    Mirror(field, MirrorDirection::TopToBottom);  // positions drawn one by one
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    Roughen(field, RoughMode::Middle, 30, 5);  // the whole view refreshed after each row
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    f.document.field().RestoreField();
    f.canvas.RefreshView();
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    f.canvas.ConvertToPpm();
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));

    // Changed at 1:1, the copy catches up when zoomed out again, here to a fractional fit.
    f.canvas.ActualSize();
    AddValue(field, 0, 999);
    f.canvas.FitField();
    ASSERT_TRUE(f.canvas.Scale().IsFractional());
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    Smooth(field, 0, 2);
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    // The coarser blocks, not needed by the fit, catch up when shown.
    f.canvas.SetScaleAround(-4, 0, 0);
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    EXPECT_LE(f.canvas.ReducedCopy().MemoryBytes() * 3, size_t(700) * 530 * 4);
}

// After a load, and after operations at 1:1, idle time brings the copy up to date in
// slices; a zoom-out then shows the field as it is.
TEST(CanvasScale, IdleTimeKeepsTheReducedCopyUpToDate) {
    CanvasFixture f;
    f.Load(2100, 530, kEightBitField, RampWithHoles);
    EXPECT_FALSE(f.canvas.ReducedCopy().Exists());
    f.platform().AdvanceClock(1);
    f.Pump();
    EXPECT_TRUE(f.canvas.ReducedCopy().Exists());
    f.platform().AdvanceClock(100);
    f.Pump();
    AddValue(f.document.field(), 0, 40);
    f.platform().AdvanceClock(1);
    f.Pump();
    f.canvas.FitField();
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
}

TEST(CanvasScale, MagnifiedClicksOutlineAndReadOutWorkInFieldPositions) {
    CanvasFixture f;
    f.Load(120, 90, kEightBitField, Ramp);
    f.canvas.SetScaleAround(2, 0, 0);
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    EXPECT_EQ(f.canvas.Scale().Label(), "4:1");

    f.canvas.SetSelectMode(1);
    for (vPoint click : {vPoint{41, 42}, vPoint{200, 40}, vPoint{170, 210}, vPoint{170, 211}}) f.Click(click.x, click.y);
    f.Click(0, 0, 3);
    ASSERT_EQ(f.document.selection().state(), FieldSelection::kChosen);
    const std::vector<vPoint>& points = f.document.selection().points();
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[0].x, 10);
    EXPECT_EQ(points[0].y, 10);
    EXPECT_EQ(points[1].x, 50);
    EXPECT_EQ(points[2].y, 52);
    EXPECT_EQ(points[2].x, 42);
    EXPECT_EQ(points[3].x, 10);
    // The outline's near-white core runs through the vertices' blocks.
    f.Pump();
    EXPECT_EQ(f.Shown(4 * 30 + 2, 4 * 10 + 2), 0xFFFEFFu);

    f.MoveTo(4 * 5 + 3, 4 * 7 + 1);
    EXPECT_EQ(f.owner.readOuts.back(), " X,Y Location: 5,7 height:" + std::to_string(Ramp(5, 7)));
    f.owner.calls.clear();
    f.Click(4 * 30, 4 * 20);
    f.Click(4 * 5, 4 * 5);
    EXPECT_EQ(f.owner.calls[2], "run 1");
    EXPECT_EQ(f.owner.calls[5], "run 2");
}

TEST(CanvasScale, ScaleChangesKeepTheirPlaceAndTheBarsCountFieldPositions) {
    CanvasFixture f;
    f.Load(2000, 1500, kEightBitField, Ramp);
    const int width = f.canvas.PaneWidth();
    f.canvas.SetScaleAround(0, 0, 0);
    for (int i = 0; i < 30; ++i) f.canvas.OnHStep(1);
    ASSERT_EQ(f.canvas.ShownArea().x, 240);

    // Ctrl with the wheel, around the pointer.
    f.MoveTo(20, 60);
    const size_t readOuts = f.owner.readOuts.size();
    f.platform().QueueWheel(f.X(20), f.Y(60), 0, -2, vModControl);
    f.Pump();
    EXPECT_EQ(f.canvas.Scale().Label(), "1:4");
    EXPECT_EQ(f.canvas.ShownArea().x, 260 - 80);
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
    // The read-out follows the new scale under the pointer that stayed still.
    ASSERT_GT(f.owner.readOuts.size(), readOuts);
    EXPECT_EQ(f.owner.readOuts.back(), " X,Y Location: 260,240 height:" + std::to_string(Ramp(260, 240)));
    int shown = 0, top = 0;
    ASSERT_EQ(f.canvas.GetHScroll(shown, top), 1);
    EXPECT_EQ(shown, width * 4 * 100 / 2000);
    f.canvas.OnHStep(1);
    EXPECT_EQ(f.canvas.ShownArea().x, 180 + 32);
    f.Pump();
    EXPECT_TRUE(ShowsTheFieldAtScale(f));

    // Keys: around the centre.
    int centreX = f.canvas.Scale().ToField(width / 2, f.canvas.ShownArea().x);
    f.canvas.ZoomIn();
    f.canvas.ZoomIn();
    f.canvas.ZoomIn();
    EXPECT_EQ(f.canvas.Scale().Label(), "2:1");
    EXPECT_EQ(f.canvas.Scale().ToField(width / 2, f.canvas.ShownArea().x), centreX);
    // One Fit from a view with bars: the field fills the whole area the bars leave.
    f.canvas.FitField();
    const KnollViewScale& fit = f.canvas.Scale();
    EXPECT_TRUE(fit.IsFractional());
    EXPECT_EQ(f.canvas.ShownArea().x, 0);
    EXPECT_EQ(f.canvas.GetHScroll(shown, top) + f.canvas.GetVScroll(shown, top), 0);
    const int wholeWidth = f.canvas.PaneWidth(), wholeHeight = f.canvas.PaneHeight();
    EXPECT_GT(wholeWidth, width);
    EXPECT_TRUE(fit.ViewSpan(2000) == wholeWidth || fit.ViewSpan(1500) == wholeHeight);
    EXPECT_LE(fit.ViewSpan(2000), wholeWidth);
    EXPECT_LE(fit.ViewSpan(1500), wholeHeight);
    const int fitLevel = fit.level();
    f.canvas.ZoomOut();
    EXPECT_EQ(f.canvas.Scale().level(), fitLevel - 1);
    f.canvas.FitField();
    f.canvas.ZoomIn();
    EXPECT_EQ(f.canvas.Scale().level(), fitLevel);
    EXPECT_FALSE(f.canvas.Scale().IsFractional());
}

TEST(CanvasScale, AtAFractionalFitClicksOutlineAndReadOutWorkInFieldPositions) {
    CanvasFixture f;
    f.Load(1000, 800, kEightBitField, RampWithHoles);
    f.canvas.FitField();
    f.Pump();
    const KnollViewScale& fit = f.canvas.Scale();
    ASSERT_EQ(fit.level(), -1);
    ASSERT_TRUE(fit.IsFractional());
    EXPECT_TRUE(ShowsTheFieldAtScale(f));

    f.canvas.SetSelectMode(1);
    const std::vector<vPoint> clicks = {{11, 12}, {200, 13}, {170, 210}, {10, 150}};
    for (vPoint click : clicks) f.Click(click.x, click.y);
    f.Click(0, 0, 3);
    ASSERT_EQ(f.document.selection().state(), FieldSelection::kChosen);
    const std::vector<vPoint>& points = f.document.selection().points();
    ASSERT_EQ(points.size(), clicks.size() + 1);  // closed by the first vertex again
    for (size_t i = 0; i < clicks.size(); ++i) {
        EXPECT_EQ(points[i].x, fit.ToField(clicks[i].x, 0));
        EXPECT_EQ(points[i].y, fit.ToField(clicks[i].y, 0));
    }
    // The outline's near-white core runs through the pixels that show the vertices.
    f.Pump();
    EXPECT_EQ(f.Shown(fit.ToView(points[1].x, 0), fit.ToView(points[1].y, 0)), 0xFFFEFFu);

    vPoint at{fit.ToField(101, 0), fit.ToField(77, 0)};
    f.MoveTo(101, 77);
    EXPECT_EQ(f.owner.readOuts.back(), " X,Y Location: " + std::to_string(at.x) + "," + std::to_string(at.y) +
                                           " height:" + std::to_string(std::max(RampWithHoles(at.x, at.y), 0)));
}
// From a scale at which the whole field shows to one that needs the bars: their coming
// must not move the field position under the pointer.
TEST(CanvasScale, BarsThatComeWithAScaleKeepThePositionUnderThePointer) {
    CanvasFixture f(720, 540);
    f.Load(240, 180, kEightBitField, Ramp);
    f.MoveTo(200, 100);
    for (const char* label : {"2:1", "4:1"}) {
        f.platform().QueueWheel(f.X(200), f.Y(100), 0, 1, vModControl);
        f.Pump();
        EXPECT_EQ(f.canvas.Scale().Label(), label);
    }
    EXPECT_GT(f.canvas.ShownArea().x, 0);
    EXPECT_EQ(f.owner.readOuts.back(), " X,Y Location: 100,50 height:" + std::to_string(Ramp(100, 50)));
    EXPECT_TRUE(ShowsTheFieldAtScale(f));
}
