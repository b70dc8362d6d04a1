#include <gtest/gtest.h>

#include "picture.h"

TEST(PaintLine, LeavesOutTheEndPointInEitherDirection) {
    TestImage image;
    image.PaintLine(1, 1, 5, 1);
    image.PaintLine(3, 6, 3, 3);
    EXPECT_EQ(image.Picture(7, 7),
              ".......\n"
              ".####..\n"
              ".......\n"
              ".......\n"
              "...#...\n"
              "...#...\n"
              "...#...\n");
}

TEST(PaintLine, StepsOneMinorPixelPerRunOfSlope) {
    TestImage image;
    image.PaintLine(0, 0, 6, 2);
    image.PaintLine(0, 4, 3, 7);
    EXPECT_EQ(image.Picture(7, 7),
              "##.....\n"
              "..###..\n"
              ".....#.\n"
              ".......\n"
              "#......\n"
              ".#.....\n"
              "..#....\n");
}

TEST(PaintLine, ReversedLineDiffersOnlyInWhichEndIsLeftOut) {
    TestImage forward, backward;
    forward.PaintLine(1, 2, 12, 7);
    forward.PaintDot(12, 7);
    backward.PaintLine(12, 7, 1, 2);
    backward.PaintDot(1, 2);
    EXPECT_EQ(forward.Picture(16, 16), backward.Picture(16, 16));
}

TEST(PaintLine, OfZeroLengthDrawsNothing) {
    TestImage image;
    image.PaintLine(4, 4, 4, 4);
    EXPECT_EQ(image.CountPixels(0), 0);
}

TEST(PaintLine, IsClippedWithoutWalkingOffSurfacePixels) {
    TestImage image(8, 8);
    image.PaintLine(-2000000000, 3, 2000000000, 3);
    image.PaintLine(5, -2000000000, 5, 2000000000);
    EXPECT_EQ(image.CountPixels(0), 15);
    EXPECT_EQ(image.GetPixel(0, 3), 0u);
    EXPECT_EQ(image.GetPixel(5, 7), 0u);
}

TEST(PaintPolyline, JoinsThePointsAndDrawsNothingForOnePoint) {
    TestImage image;
    vPoint corner[] = {{0, 0}, {4, 0}, {4, 3}};
    image.PaintPolyline(corner, 1);
    EXPECT_EQ(image.CountPixels(0), 0);
    image.PaintPolyline(corner, 3);
    EXPECT_EQ(image.Picture(6, 4),
              "#####.\n"
              "....#.\n"
              "....#.\n"
              "......\n");
}

TEST(PaintSegments, DrawsEachSegmentOnItsOwn) {
    TestImage image;
    vLine segments[] = {{0, 0, 3, 0}, {0, 2, 0, 4}};
    image.PaintSegments(segments, 2);
    EXPECT_EQ(image.Picture(4, 5),
              "###.\n"
              "....\n"
              "#...\n"
              "#...\n"
              "....\n");
}

TEST(PaintDot, SetsOnePixelWithAThinPenAndANibWithAWideOne) {
    TestImage image;
    vPoint dots[] = {{1, 1}, {3, 1}};
    image.PaintDots(dots, 0);
    EXPECT_EQ(image.CountPixels(0), 0);
    image.PaintDots(dots, 2);
    image.UsePen(vPen(0, 0, 0, 3));
    image.PaintDot(2, 5);
    EXPECT_EQ(image.Picture(6, 8),
              "......\n"
              ".#.#..\n"
              "......\n"
              "......\n"
              ".###..\n"
              ".####.\n"
              ".####.\n"
              "..###.\n");
}

TEST(DeviceCoordinates, AreTranslatedThenScaled) {
    TestImage image;
    image.SetTranslate(1, 0);
    image.SetZoom(2, 1);
    image.PaintDot(1, 1);          // (1 + 1) * 2, 1 * 2
    image.PaintLine(0, 3, 2, 3);   // from column 2 up to column 6
    EXPECT_EQ(image.Picture(8, 7),
              "........\n"
              "........\n"
              "....#...\n"
              "........\n"
              "........\n"
              "........\n"
              "..####..\n");
}

TEST(PenStyles, PatternsRunAlongTheLineAndStayOnePixelWide) {
    TestImage image(48, 8);
    image.UsePen(vPen(0, 0, 0, 5, vDash));
    image.PaintLine(0, 1, 48, 1);
    image.UsePen(vPen(0, 0, 0, 1, vDot));
    image.PaintLine(0, 3, 12, 3);
    image.UsePen(vPen(0, 0, 0, 1, vDashDot));
    image.PaintLine(0, 5, 48, 5);
    EXPECT_EQ(image.Picture(48, 6),
              "................................................\n"
              "##################......##################......\n"
              "................................................\n"
              "###...###.......................................\n"
              "................................................\n"
              "#########......###......#########......###......\n");
    EXPECT_EQ(image.CountPixels(0), 36 + 6 + 24);
}

TEST(PenStyles, TransparentDrawsNothingAndUnknownCodesDrawSolid) {
    TestImage image;
    image.UsePen(vPen(0, 0, 0, 1, vTransparent));
    image.PaintLine(0, 0, 10, 0);
    EXPECT_EQ(image.CountPixels(0), 0);
    image.UsePen(vPen(0, 0, 0, 1, 42));
    image.PaintLine(0, 0, 10, 0);
    EXPECT_EQ(image.CountPixels(0), 10);
}

TEST(PenStyles, WidePenCoversARoundCappedBand) {
    TestImage image;
    image.UsePen(vPen(0, 0, 0, 4));
    image.PaintLine(3, 3, 8, 3);
    EXPECT_EQ(image.Picture(12, 6),
              "............\n"
              "..#######...\n"
              ".#########..\n"
              ".#########..\n"
              "..#######...\n"
              "............\n");
}

TEST(PaintLine, UsesThePenColourExactly) {
    TestImage image;
    image.UsePen(vPen(0x12, 0x34, 0x56));
    image.PaintLine(0, 0, 2, 0);
    EXPECT_EQ(image.GetPixel(1, 0), 0x563412u);
}
