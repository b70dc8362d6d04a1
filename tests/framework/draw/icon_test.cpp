#include <gtest/gtest.h>

#include "picture.h"

TEST(PaintIcon, OneBitIconsReadTheLowBitAsTheLeftmostPixel) {
    TestImage image;
    image.SetBackColor(vColor(0, 0, 255));
    // Nine columns need two bytes a row.
    const unsigned char bits[] = {0b00000101, 0b1, 0b10000000, 0b0};
    image.PaintIcon(1, 1, vIcon{bits, 2, 9, 1, false});
    EXPECT_EQ(image.Picture(11, 4),
              "...........\n"
              ".#o#ooooo#.\n"
              ".ooooooo#o.\n"
              "...........\n");
}

TEST(PaintIcon, EightBitIconsLookUpTheirPalette) {
    TestImage image;
    const unsigned char bits[] = {1, 255, 0, 0, 0, 0, 255,  // two entries: red, blue
                                  0, 1, 1, 0};
    image.PaintIcon(0, 0, vIcon{bits, 2, 2, 8, false});
    EXPECT_EQ(image.GetPixel(0, 0), 0x0000FFu);
    EXPECT_EQ(image.GetPixel(1, 0), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(0, 1), 0xFF0000u);
}

TEST(PaintIcon, IndexesPastThePaletteAreNotDrawn) {
    TestImage image;
    const unsigned char bits[] = {0, 10, 20, 30, 0, 9};
    image.PaintIcon(0, 0, vIcon{bits, 1, 2, 8, false});
    EXPECT_EQ(image.GetPixel(0, 0), 0x1E140Au);
    EXPECT_EQ(image.GetPixel(1, 0), 0xFFFFFFu);
}

TEST(PaintIcon, TransparentIconsSkipTheBottomLeftColour) {
    TestImage image;
    image.UsePen(vPen(0, 0, 255));
    image.SetBackColor(vColor(0, 255, 0));
    const unsigned char rgb[] = {1, 2, 3, 9, 9, 9,
                                 9, 9, 9, 1, 2, 3};
    image.PaintIcon(2, 2, vIcon{rgb, 2, 2, 24, true});
    EXPECT_EQ(image.GetPixel(2, 2), 0x030201u);
    EXPECT_EQ(image.GetPixel(3, 2), 0xFFFFFFu);
    EXPECT_EQ(image.GetPixel(2, 3), 0xFFFFFFu);
    EXPECT_EQ(image.GetPixel(3, 3), 0x030201u);
}

TEST(PaintIcon, IsClippedAndKeepsItsSizeWhenZoomed) {
    TestImage image(4, 4);
    image.SetZoom(2, 1);
    const unsigned char rgb[] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    image.PaintIcon(1, -1, vIcon{rgb, 3, 1, 24, false});
    EXPECT_EQ(image.Picture(4, 4),
              "..#.\n"
              "....\n"
              "....\n"
              "....\n");
}

TEST(PaintIcon, IgnoresIconsWithoutBitsSizeOrAKnownDepth) {
    TestImage image;
    const unsigned char rgb[] = {0, 0, 0};
    image.PaintIcon(0, 0, vIcon{nullptr, 1, 1, 24, false});
    image.PaintIcon(0, 0, vIcon{rgb, 0, 1, 24, false});
    image.PaintIcon(0, 0, vIcon{rgb, 1, 1, 4, false});
    EXPECT_EQ(image.CountPixels(0xFFFFFF), 16 * 16);
}
