#include <gtest/gtest.h>

#include <vector>

#include "picture.h"

namespace {

std::vector<vColor> Colours(std::initializer_list<uint32_t> pixels) {
    std::vector<vColor> colours;
    for (uint32_t pixel : pixels) colours.push_back(vColor::FromPixel(pixel));
    return colours;
}

// Each pixel's value names its position: column | row << 8.
void PaintPositions(vMemoryDC& image, int width, int height) {
    for (int y = 0; y < height; ++y) {
        std::vector<vColor> row;
        for (int x = 0; x < width; ++x) row.push_back(vColor::FromPixel(uint32_t(x | y << 8)));
        image.PaintPixelStrip(0, y, width, row.data());
    }
}

}  // namespace

TEST(MemoryImage, ReadsBackExactlyWhatWasWrittenAndAllOnesOutside) {
    vMemoryDC image(300, 2);
    image.Erase();
    EXPECT_EQ(image.GetPixel(299, 1), 0xFFFFFFu);
    std::vector<vColor> row;
    for (uint32_t i = 0; i < 300; ++i) row.push_back(vColor::FromPixel(i * 0x00DEAD + 0x00ABCD));
    image.PaintPixelStrip(0, 1, 300, row.data());
    for (int x = 0; x < 300; ++x) ASSERT_EQ(image.GetPixel(x, 1), row[x].Pixel());
    EXPECT_EQ(image.GetPixel(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(image.GetPixel(300, 0), 0xFFFFFFFFu);
    EXPECT_EQ(image.GetPixel(0, 2), 0xFFFFFFFFu);
}

TEST(MemoryImage, TakesTheDefaultSizeForZeroAndDrawsNothingWhenItCannotBeMade) {
    vMemoryDC standard;
    EXPECT_EQ(standard.SurfaceWidth(), vMemoryDC::kFallbackSize);
    EXPECT_EQ(standard.SurfaceHeight(), vMemoryDC::kFallbackSize);
    vMemoryDC given(0, 7, {300, 200});
    EXPECT_EQ(given.SurfaceWidth(), 300);
    EXPECT_EQ(given.SurfaceHeight(), 7);
    vMemoryDC impossible(-1, 5);
    impossible.Erase();
    impossible.PaintLine(0, 0, 3, 0);
    EXPECT_EQ(impossible.GetPixel(0, 0), 0xFFFFFFFFu);
}

TEST(PaintPixelStrip, SkipsPixelsLeftOfTheImage) {
    TestImage image(8, 2);
    std::vector<vColor> colours = Colours({1, 2, 3, 4, 5});
    image.PaintPixelStrip(-2, 0, 5, colours.data());
    EXPECT_EQ(image.GetPixel(0, 0), 3u);
    EXPECT_EQ(image.GetPixel(1, 0), 4u);
    EXPECT_EQ(image.GetPixel(2, 0), 5u);
    EXPECT_EQ(image.GetPixel(3, 0), 0xFFFFFFu);
    image.PaintPixelStrip(6, 1, 5, colours.data());
    EXPECT_EQ(image.GetPixel(7, 1), 2u);
}

TEST(PaintPixelStrip, WritesNothingAboveTheImageOrWithoutColours) {
    TestImage image(8, 2);
    std::vector<vColor> colours = Colours({1, 2});
    image.PaintPixelStrip(0, -1, 2, colours.data());
    image.PaintPixelStrip(0, 0, 0, colours.data());
    image.PaintPixelStrip(0, 0, 2, nullptr);
    EXPECT_EQ(image.CountPixels(0xFFFFFF), 16);
}

TEST(PaintPixelStrip, IsTranslated) {
    TestImage image(8, 4);
    image.SetTranslate(2, 1);
    std::vector<vColor> colours = Colours({7});
    image.PaintPixelStrip(0, 0, 1, colours.data());
    EXPECT_EQ(image.GetPixel(2, 1), 7u);
}

TEST(EraseArea, FillsTheSurfaceRectangleIgnoringTranslation) {
    TestImage image(8, 8);
    image.SetBackColor(vColor(0, 0, 0));
    image.SetTranslate(3, 3);
    image.EraseArea(0, 0, 2, 2);
    image.EraseArea(4, 4, 0, 3);
    EXPECT_EQ(image.Picture(3, 3), "##.\n##.\n...\n");
    EXPECT_EQ(image.CountPixels(0), 4);
}

TEST(BlitFrom, WithoutSizesCopiesTheWholeSource) {
    vMemoryDC source(20, 10), target(20, 10);
    PaintPositions(source, 20, 10);
    target.Erase();
    target.BlitFrom(&source, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(target.GetPixel(0, 0), 0u);
    EXPECT_EQ(target.GetPixel(19, 9), uint32_t(19 | 9 << 8));
}

TEST(BlitFrom, IsCutAtTheSourceEdgeAndStartsNoLowerThanZero) {
    vMemoryDC source(100, 4);
    PaintPositions(source, 100, 4);
    TestImage target(120, 4);
    target.BlitFrom(&source, 0, 0, 10, -5, 200, 0);
    EXPECT_EQ(target.GetPixel(0, 0), 10u);
    EXPECT_EQ(target.GetPixel(89, 3), uint32_t(99 | 3 << 8));
    EXPECT_EQ(target.GetPixel(90, 0), 0xFFFFFFu);
}

TEST(BlitFrom, IsCutAtTheTargetEdgesOnEverySide) {
    vMemoryDC source(10, 10);
    PaintPositions(source, 10, 10);
    TestImage target(6, 6);
    target.BlitFrom(&source, -2, 3, 0, 0, 0, 0);
    EXPECT_EQ(target.GetPixel(0, 3), 2u);
    EXPECT_EQ(target.GetPixel(5, 5), uint32_t(7 | 2 << 8));
    EXPECT_EQ(target.GetPixel(0, 2), 0xFFFFFFu);
}

TEST(BlitFrom, CopiesWithinOneImage) {
    vMemoryDC image(8, 8);
    PaintPositions(image, 8, 8);
    image.BlitFrom(&image, 1, 1, 0, 0, 6, 6);
    EXPECT_EQ(image.GetPixel(1, 1), 0u);
    EXPECT_EQ(image.GetPixel(6, 6), uint32_t(5 | 5 << 8));
    EXPECT_EQ(image.GetPixel(0, 0), 0u);
    image.BlitFrom(&image, 0, 0, 2, 2, 0, 0);
    EXPECT_EQ(image.GetPixel(0, 0), uint32_t(1 | 1 << 8));
}
