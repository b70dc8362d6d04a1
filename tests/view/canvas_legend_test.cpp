#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "core/render_palette.h"

namespace {

constexpr uint32_t kNearWhitePixel = 0xFFFEFF;

int Ramp(int x, int y) { return (x + 3 * y) % 200; }

uint32_t Entry(int index) { return DefaultPalette()[size_t(index)].Pixel(); }

}  // namespace

TEST(CanvasLegend, DrawsAFramedStripOnEachEdgeThatScrollingAndZoomingKeepUntilTheNextPress) {
    CanvasFixture f(420, 360);
    f.Load(1000, 800, kEightBitField, Ramp);
    const int width = f.canvas.PaneWidth(), height = f.canvas.PaneHeight();
    ASSERT_GE(height, 256);

    ASSERT_EQ(f.canvas.ShowPaletteLegend(LegendEdge::Left), kLegendDrawn);
    int top = height / 2 - 128;
    EXPECT_EQ(f.Shown(1, top - 4), 0u);  // frame
    EXPECT_EQ(f.Shown(3, top), kNearWhitePixel);
    EXPECT_EQ(f.Shown(5, top), Entry(255));  // highest index at the top
    EXPECT_EQ(f.Shown(29, top + 255), Entry(0));
    EXPECT_EQ(f.Shown(30, top + 100), kNearWhitePixel);
    f.Click(200, 200);
    f.canvas.OnHStep(1);  // gone for good: scrolling does not bring it back
    f.Pump();
    EXPECT_TRUE(f.ShowsTheField());

    ASSERT_EQ(f.canvas.ShowPaletteLegend(LegendEdge::Right), kLegendDrawn);
    int column = width - 36;
    EXPECT_EQ(f.Shown(column, top - 4), 0u);
    EXPECT_EQ(f.Shown(column + 5, top + 10), Entry(245));
    EXPECT_EQ(f.Shown(column + 29, top + 10), Entry(245));
    f.Click(200, 200);

    ASSERT_EQ(f.canvas.ShowPaletteLegend(LegendEdge::Up), kLegendDrawn);
    int left = width / 2 - 128;
    EXPECT_EQ(f.Shown(left - 4, 1), 0u);
    EXPECT_EQ(f.Shown(left, 5), Entry(0));  // index 0 at the left
    EXPECT_EQ(f.Shown(left + 255, 29), Entry(255));
    f.Click(200, 200);

    ASSERT_EQ(f.canvas.ShowPaletteLegend(LegendEdge::Down), kLegendDrawn);
    int row = height - 36;
    // Scrolling moves the field under the legend, which stays.
    f.canvas.OnVStep(2);
    f.canvas.OnHStep(1);
    EXPECT_EQ(f.Shown(left + 40, row), 0u);
    EXPECT_EQ(f.Shown(left + 40, row + 5), Entry(40));
    EXPECT_EQ(f.Shown(left + 40, row + 29), Entry(40));
    EXPECT_EQ(f.Shown(left + 40, row + 30), kNearWhitePixel);
    // So does a change of scale.
    f.canvas.ZoomOut();
    EXPECT_EQ(f.Shown(left + 40, row + 5), Entry(40));
}

TEST(CanvasLegend, TooSmallAViewDrawsNothingOnThatEdge) {
    CanvasFixture f(420, 250);
    f.Load(100, 100, kEightBitField, Ramp);
    ASSERT_LT(f.canvas.PaneHeight(), 256);
    ASSERT_GE(f.canvas.PaneWidth(), 256);
    Raster before = f.canvas.Surface();
    EXPECT_EQ(f.canvas.ShowPaletteLegend(LegendEdge::Left), kLegendTooSmall);
    EXPECT_EQ(f.canvas.ShowPaletteLegend(LegendEdge::Right), kLegendTooSmall);
    for (int y = 0; y < before.Height(); ++y) {
        for (int x = 0; x < before.Width(); ++x) ASSERT_EQ(f.canvas.Surface().At(x, y), before.At(x, y));
    }
    EXPECT_EQ(f.canvas.ShowPaletteLegend(LegendEdge::Up), kLegendDrawn);
}

TEST(CanvasPalette, ARepaintShowsOnTheCanvasKeepingValuesAndPositionsWithout) {
    CanvasFixture f;
    f.Load(300, 200, kEightBitField, [](int x, int y) { return x == 7 && y == 7 ? -1 : (x + y) % 256; });
    Palette palette;
    for (int i = 0; i < 256; ++i) palette[size_t(i)] = vColor(255 - (i & 0xFF), 40, uint8_t(i));
    RenderPalette(f.document.field(), palette);
    f.Pump();
    EXPECT_EQ(f.Working(10, 20), vColor(225, 40, 30).Pixel());
    EXPECT_EQ(f.document.field().FieldValue(10, 20), 30);
    EXPECT_EQ(f.document.field().FieldValue(7, 7), -1);
    EXPECT_TRUE(f.ShowsTheField());
}
