#include <gtest/gtest.h>

#include "picture.h"

namespace {

const vBrush kBlueBrush(0, 0, 255);

}  // namespace

TEST(PaintBox, CoversOnePixelMoreThanWidthAndHeight) {
    TestImage image;
    image.UseBrush(kBlueBrush);
    image.PaintBox(0, 0, 2, 2);
    image.PaintBox(4, 1, 5, 3);
    EXPECT_EQ(image.Picture(11, 6),
              "###........\n"
              "#o#.######.\n"
              "###.#oooo#.\n"
              "....#oooo#.\n"
              "....######.\n"
              "...........\n");
}

TEST(PaintBox, OneByOneSetsOnePixelToTheBrushColourAndZeroSizesDrawNothing) {
    TestImage image;
    image.UseBrush(kBlueBrush);
    image.PaintBox(5, 5, 1, 1);
    image.PaintBox(1, 1, 0, 4);
    image.PaintBox(1, 1, 4, 0);
    EXPECT_EQ(image.GetPixel(5, 5), 0xFF0000u);
    EXPECT_EQ(image.CountPixels(0xFFFFFF), 16 * 16 - 1);
}

TEST(PaintBox, NegativeSizesReachUpAndLeft) {
    TestImage image, mirrored;
    image.PaintBox(6, 7, -4, -3);
    mirrored.PaintBox(2, 4, 4, 3);
    EXPECT_EQ(image.Picture(16, 16), mirrored.Picture(16, 16));
}

TEST(PaintBoxes, SkipsOnlyBoxesWithNoWidthAndNoHeight) {
    TestImage image;
    image.UseBrush(kBlueBrush);
    vRect boxes[] = {{0, 0, 2, 2}, {5, 5, 0, 0}, {6, 0, 0, 3}, {8, 0, 1, 1}};
    image.PaintBoxes(boxes, 4);
    EXPECT_EQ(image.Picture(10, 5),
              "###...#.o.\n"
              "#o#...#...\n"
              "###...#...\n"
              "......#...\n"
              "..........\n");
}

TEST(PaintBox, IsScaledAndClippedAtTheSurfaceEdge) {
    TestImage image(8, 8);
    image.SetZoom(2, 1);
    image.PaintBox(2, 2, 4, 4);  // columns and rows 4 to 12
    EXPECT_EQ(image.Picture(8, 8),
              "........\n"
              "........\n"
              "........\n"
              "........\n"
              "....####\n"
              "....####\n"
              "....####\n"
              "....####\n");
}

TEST(BrushStyles, HatchesRepeatEveryEightSurfacePixels) {
    TestImage horizontal(10, 10), vertical(10, 10), forward(10, 10), backward(10, 10), cross(10, 10),
        diagonalCross(10, 10);
    TestImage* images[] = {&horizontal, &vertical, &forward, &backward, &cross, &diagonalCross};
    for (int style = vHorizontalHatch; style <= vDiagonalCrossHatch; ++style) {
        TestImage& image = *images[style - vHorizontalHatch];
        image.UsePen(vPen(0, 0, 0, 1, vTransparent));
        image.UseBrush(vBrush(0, 0, 0, style));
        image.PaintBox(0, 0, 9, 9);
    }
    EXPECT_EQ(horizontal.Picture(3, 10), "###\n...\n...\n...\n...\n...\n...\n...\n###\n...\n");
    EXPECT_EQ(vertical.Picture(10, 1), "#.......#.\n");
    EXPECT_EQ(forward.Picture(10, 3), "#.......#.\n.#.......#\n..#.......\n");
    EXPECT_EQ(backward.Picture(10, 3), ".......#..\n......#...\n.....#....\n");
    EXPECT_EQ(cross.CountPixels(0), 10 * 2 + 10 * 2 - 4);
    EXPECT_EQ(diagonalCross.GetPixel(3, 4), 0u);
    EXPECT_EQ(diagonalCross.GetPixel(4, 4), 0u);
    EXPECT_EQ(diagonalCross.GetPixel(4, 5), 0xFFFFFFu);
}

TEST(BrushStyles, TransparentLeavesTheInsideAndUnknownCodesFillSolid) {
    TestImage image;
    image.UseBrush(vBrush(0, 0, 255, vTransparent));
    image.PaintBox(0, 0, 3, 3);
    EXPECT_EQ(image.GetPixel(1, 1), 0xFFFFFFu);
    image.UseBrush(vBrush(0, 0, 255, 99));
    image.PaintBox(0, 0, 3, 3);
    EXPECT_EQ(image.GetPixel(1, 1), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(2, 2), 0xFF0000u);
}

TEST(PaintEllipse, FitsInsideTheFrameAndIsSymmetric) {
    TestImage image(16, 10);
    image.UseBrush(kBlueBrush);
    image.PaintEllipse(0, 0, 10, 8);
    image.PaintEllipse(12, 0, 1, 1);
    image.PaintEllipse(12, 3, 0, 5);
    EXPECT_EQ(image.Picture(14, 9),
              "...####.....#.\n"
              ".##oooo##.....\n"
              "#oooooooo#....\n"
              "#oooooooo#....\n"
              "#oooooooo#....\n"
              "#oooooooo#....\n"
              ".##oooo##.....\n"
              "...####.......\n"
              "..............\n");
}

TEST(PaintEllipse, WithAWidePenGrowsByHalfThePenEachWay) {
    TestImage thin(20, 20), wide(20, 20);
    thin.PaintEllipse(5, 5, 9, 9);
    wide.UsePen(vPen(0, 0, 0, 3));
    wide.PaintEllipse(5, 5, 9, 9);
    EXPECT_EQ(thin.GetPixel(4, 9), 0xFFFFFFu);
    EXPECT_EQ(wide.GetPixel(4, 9), 0u);
    EXPECT_EQ(wide.GetPixel(3, 9), 0xFFFFFFu);
    EXPECT_EQ(wide.GetPixel(9, 9), 0u);  // the brush is black too
}

TEST(PaintRoundBox, RoundsCornersAndStopsShortOfTheFarEdges) {
    TestImage image;
    image.UseBrush(vBrush(0, 0, 0, vTransparent));
    image.PaintRoundBox(0, 0, 12, 9, 8);
    image.PaintRoundBox(0, 10, 4, 3, 0);
    EXPECT_EQ(image.Picture(13, 14),
              "..########...\n"
              ".#........#..\n"
              "#..........#.\n"
              "#..........#.\n"
              "#..........#.\n"
              "#..........#.\n"
              "#..........#.\n"
              ".#........#..\n"
              "..########...\n"
              ".............\n"
              "####.........\n"
              "#..#.........\n"
              "####.........\n"
              ".............\n");
}

TEST(PaintRoundBox, NegativeRadiusSizesCornersFromTheBox) {
    TestImage proportional, explicitCorners;
    proportional.PaintRoundBox(1, 1, 12, 12, -2);   // (12 + 12) / 4 = 6
    explicitCorners.PaintRoundBox(1, 1, 12, 12, 6);
    EXPECT_EQ(proportional.Picture(16, 16), explicitCorners.Picture(16, 16));
    TestImage zero;
    zero.PaintRoundBox(1, 1, 0, 12, 3);
    EXPECT_EQ(zero.CountPixels(0), 0);
}

TEST(FilledShapes, DrawNothingWhenTheImageCannotBeMade) {
    vMemoryDC image(-5, 10);
    image.PaintBox(0, 0, 3, 3);
    image.PaintEllipse(0, 0, 3, 3);
    EXPECT_EQ(image.GetPixel(1, 1), 0xFFFFFFFFu);
}
