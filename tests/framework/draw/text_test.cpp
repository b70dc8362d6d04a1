#include <gtest/gtest.h>

#include "framework/draw/raster.h"
#include "framework/draw/text_renderer.h"
#include "picture.h"

namespace {

// Every character is a 3 x 10 cell (ascent 7, descent 3) whose left column is ink.
class BlockRenderer : public vTextRenderer {
public:
    void Metrics(const vFont&, int& ascent, int& descent) override {
        ascent = 7;
        descent = 3;
    }
    int Width(const vFont&, std::string_view text) override { return 3 * int(text.size()); }
    void Draw(Raster& raster, int x, int top, const vFont&, std::string_view text, uint32_t foreground,
              uint32_t background, bool opaque) override {
        for (int row = 0; row < 10; ++row) {
            for (int column = 0; column < 3 * int(text.size()); ++column) {
                if (column % 3 == 0) {
                    raster.Set(x + column, top + row, foreground);
                } else if (opaque) {
                    raster.Set(x + column, top + row, background);
                }
            }
        }
    }
};

class WriteTextTest : public ::testing::Test {
protected:
    WriteTextTest() { image_.UseTextRenderer(&renderer_); }

    BlockRenderer renderer_;
    TestImage image_{16, 16};
};

constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kRed = 0x0000FF;

}  // namespace

TEST_F(WriteTextTest, PutsTheBottomLeftCornerOfTheLineAtThePoint) {
    image_.WriteText(2, 12, "a");
    EXPECT_EQ(image_.GetPixel(2, 2), 0u);
    EXPECT_EQ(image_.GetPixel(2, 11), 0u);
    EXPECT_EQ(image_.GetPixel(2, 1), 0xFFFFFFu);
    EXPECT_EQ(image_.GetPixel(2, 12), 0xFFFFFFu);
}

TEST_F(WriteTextTest, WritesInThePenColourOnTheBackgroundColour) {
    image_.UsePen(vPen(255, 0, 0));
    image_.SetBackColor(vColor(0, 255, 0));
    image_.WriteText(0, 10, "ab");
    EXPECT_EQ(image_.GetPixel(0, 0), kRed);
    EXPECT_EQ(image_.GetPixel(1, 0), kGreen);
    EXPECT_EQ(image_.GetPixel(3, 5), kRed);
}

TEST_F(WriteTextTest, TransparentPenLeavesTheBackgroundAlone) {
    image_.UsePen(vPen(255, 0, 0, 1, vTransparent));
    image_.SetBackColor(vColor(0, 255, 0));
    image_.WriteText(0, 10, "a");
    EXPECT_EQ(image_.GetPixel(0, 0), kRed);
    EXPECT_EQ(image_.GetPixel(1, 0), 0xFFFFFFu);
}

TEST_F(WriteTextTest, InverseSwapsColoursAndSelectionUsesItsOwn) {
    image_.UsePen(vPen(255, 0, 0));
    image_.SetBackColor(vColor(0, 255, 0));
    image_.WriteStyledText(0, 10, "a", 0x1);
    EXPECT_EQ(image_.GetPixel(0, 0), kGreen);
    EXPECT_EQ(image_.GetPixel(1, 0), kRed);
    image_.WriteStyledText(0, 15, "a", 0x2);
    uint32_t text = image_.GetPixel(0, 5), back = image_.GetPixel(1, 5);
    EXPECT_NE(text, back);
    for (uint32_t pixel : {kRed, kGreen}) {
        EXPECT_NE(text, pixel);
        EXPECT_NE(back, pixel);
    }
}

TEST_F(WriteTextTest, IsPlacedInDeviceCoordinates) {
    image_.SetTranslate(1, 2);
    image_.SetZoom(2, 1);
    image_.WriteText(0, 6, "a");  // column 2, bottom row 16, so the top is row 6
    EXPECT_EQ(image_.GetPixel(2, 6), 0u);
    EXPECT_EQ(image_.GetPixel(2, 5), 0xFFFFFFu);
}

TEST_F(WriteTextTest, WritesNothingForEmptyOrMissingText) {
    image_.WriteText(0, 10, "");
    image_.WriteText(0, 10, nullptr);
    EXPECT_EQ(image_.CountPixels(0xFFFFFF), 16 * 16);
    EXPECT_EQ(image_.TextExtent("abcd"), 12);
}

TEST(WriteText, WithoutARendererDrawsNothingAndMeasuresFallbackMetrics) {
    TestImage image;
    image.WriteText(0, 10, "abc");
    EXPECT_EQ(image.CountPixels(0xFFFFFF), 16 * 16);
    int ascent = 0, descent = 0;
    EXPECT_EQ(image.FontHeight(ascent, descent), 8);
    EXPECT_EQ(ascent, 5);
    EXPECT_EQ(image.TextExtent("abc"), 0);
}
