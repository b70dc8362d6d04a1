#include <gtest/gtest.h>

#include "picture.h"

namespace {

// Black pen and brush as the selection mask draws them, unless a test says otherwise.
void PaintPolygon(TestImage& image, std::vector<vPoint> points, int fillMode = vAlternate) {
    image.PaintPolygon(int(points.size()), points.data(), fillMode);
}

// A five-pointed star drawn in one stroke: its middle is enclosed twice.
const std::vector<vPoint> kStar = {{10, 1}, {16, 18}, {1, 7}, {19, 7}, {4, 18}, {10, 1}};

}  // namespace

TEST(PaintPolygon, CoversInsideAndOutlineOfTheClosedFigure) {
    TestImage image;
    PaintPolygon(image, {{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}});
    EXPECT_EQ(image.Picture(7, 6),
              ".......\n"
              ".#####.\n"
              ".#####.\n"
              ".#####.\n"
              ".#####.\n"
              ".......\n");
}

TEST(PaintPolygon, IgnoresTheLastEntry) {
    TestImage image;
    PaintPolygon(image, {{0, 0}, {6, 0}, {6, 6}, {15, 15}});
    EXPECT_EQ(image.Picture(8, 8),
              "#######.\n"
              ".######.\n"
              "..#####.\n"
              "...####.\n"
              "....###.\n"
              ".....##.\n"
              "......#.\n"
              "........\n");
}

TEST(PaintPolygon, DrawsNothingWithFewerThanTwoCorners) {
    TestImage image;
    PaintPolygon(image, {{3, 3}, {3, 3}});
    PaintPolygon(image, {});
    image.PaintPolygon(5, nullptr, vAlternate);
    EXPECT_EQ(image.CountPixels(0), 0);
}

TEST(PaintPolygon, EvenOddLeavesTheTwiceEnclosedMiddleOpenWindingFillsIt) {
    TestImage evenOdd(20, 20), winding(20, 20);
    PaintPolygon(evenOdd, kStar, vAlternate);
    PaintPolygon(winding, kStar, vWinding);
    EXPECT_EQ(evenOdd.GetPixel(10, 10), 0xFFFFFFu);
    EXPECT_EQ(winding.GetPixel(10, 10), 0u);
    // The points themselves are enclosed once and filled either way.
    EXPECT_EQ(evenOdd.GetPixel(10, 4), 0u);
    EXPECT_EQ(winding.GetPixel(10, 4), 0u);
    EXPECT_GT(winding.CountPixels(0), evenOdd.CountPixels(0));
}

TEST(PaintPolygon, FillsWithTheBrushAndOutlinesWithThePen) {
    TestImage image;
    image.UsePen(vPen(255, 0, 0));
    image.UseBrush(vBrush(0, 0, 255));
    PaintPolygon(image, {{2, 2}, {10, 2}, {10, 10}, {2, 10}, {2, 2}});
    EXPECT_EQ(image.GetPixel(2, 2), 0x0000FFu);
    EXPECT_EQ(image.GetPixel(10, 6), 0x0000FFu);
    EXPECT_EQ(image.GetPixel(6, 10), 0x0000FFu);
    EXPECT_EQ(image.GetPixel(3, 3), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(9, 9), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(11, 11), 0xFFFFFFu);
}

TEST(PaintPolygon, WithoutAPenCoversTheSamePixelsInTheBrushColour) {
    TestImage outlined, bare;
    bare.UsePen(vPen(0, 0, 0, 1, vTransparent));
    std::vector<vPoint> triangle = {{1, 1}, {14, 4}, {5, 13}, {1, 1}};
    PaintPolygon(outlined, triangle);
    PaintPolygon(bare, triangle);
    EXPECT_EQ(bare.Picture(16, 16), outlined.Picture(16, 16));
}

TEST(PaintPolygon, WithATransparentBrushOnlyOutlines) {
    TestImage image;
    image.UseBrush(vBrush(0, 0, 0, vTransparent));
    PaintPolygon(image, {{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}});
    EXPECT_EQ(image.Picture(7, 6),
              ".......\n"
              ".#####.\n"
              ".#...#.\n"
              ".#...#.\n"
              ".#####.\n"
              ".......\n");
}

TEST(PaintPolygon, FarCornersAreClippedQuickly) {
    TestImage image(8, 8);
    PaintPolygon(image, {{-2000000000, -2000000000}, {2000000000, -5}, {3, 2000000000}, {0, 0}});
    EXPECT_EQ(image.GetPixel(4, 4), 0u);
}
