#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "picture.h"

namespace {

// Every pixel different, so a stray or missed inversion shows.
void PaintGradient(TestImage& image) {
    for (int y = 0; y < image.SurfaceHeight(); ++y) {
        std::vector<vColor> row;
        for (int x = 0; x < image.SurfaceWidth(); ++x) row.emplace_back(x * 7, y * 5, (x ^ y) * 3);
        image.PaintPixelStrip(0, y, int(row.size()), row.data());
    }
}

std::vector<uint32_t> PixelsOf(const TestImage& image, int width, int height) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(image.GetPixel(x, y));
    return pixels;
}

using XorShape = std::function<void(vDC&)>;

const std::vector<XorShape> kShapes = {
    [](vDC& dc) { dc.XorLine(2, 3, 27, 19); },
    [](vDC& dc) { dc.XorLine(-10, 30, 40, -5); },
    [](vDC& dc) { dc.XorDot(9, 9); },
    [](vDC& dc) { dc.XorBox(4, 4, 20, 13); },
    [](vDC& dc) { dc.XorBox(-3, 20, 40, 40); },
    [](vDC& dc) { dc.XorEllipse(3, 2, 22, 17); },
    [](vDC& dc) { dc.XorEllipse(10, 10, 1, 1); },
};

const std::vector<vPen> kPens = {
    vPen(), vPen(0, 0, 0, 2), vPen(0, 0, 0, 5), vPen(0, 0, 0, 3, vDash), vPen(0, 0, 0, 1, vDot),
    vPen(0, 0, 0, 1, vDashDot),
};

}  // namespace

TEST(XorShapes, UndoThemselvesWhenDrawnTwiceWithAnyPen) {
    for (size_t pen = 0; pen < kPens.size(); ++pen) {
        for (size_t shape = 0; shape < kShapes.size(); ++shape) {
            TestImage image(32, 24);
            PaintGradient(image);
            std::vector<uint32_t> before = PixelsOf(image, 32, 24);
            image.UsePen(kPens[pen]);
            kShapes[shape](image);
            EXPECT_NE(PixelsOf(image, 32, 24), before) << "pen " << pen << " shape " << shape;
            kShapes[shape](image);
            EXPECT_EQ(PixelsOf(image, 32, 24), before) << "pen " << pen << " shape " << shape;
        }
    }
}

TEST(XorLine, DrawnFromTheOtherEndUndoesItself) {
    for (const vPen& pen : kPens) {
        TestImage image(32, 24);
        PaintGradient(image);
        std::vector<uint32_t> before = PixelsOf(image, 32, 24);
        image.UsePen(pen);
        image.XorLine(3, 17, 28, 4);
        image.XorLine(28, 4, 3, 17);
        EXPECT_EQ(PixelsOf(image, 32, 24), before);
    }
}

TEST(XorShapes, InvertEveryTouchedPixelOnceAndLeaveTheInsideAlone) {
    TestImage image;
    image.UsePen(vPen(255, 0, 0, 3));  // only the width and style of the pen count
    image.XorBox(2, 2, 8, 8);
    EXPECT_EQ(image.GetPixel(2, 2), 0u);
    EXPECT_EQ(image.GetPixel(3, 3), 0u);
    EXPECT_EQ(image.GetPixel(6, 6), 0xFFFFFFu);
    std::vector<vColor> colour = {vColor(0x56, 0x34, 0x12)};
    image.PaintPixelStrip(6, 12, 1, colour.data());
    image.UsePen(vPen());
    image.XorDot(6, 12);
    EXPECT_EQ(image.GetPixel(6, 12), 0xEDCBA9u);
}

TEST(XorShapes, DrawNothingWithoutSizeOrWithATransparentPen) {
    TestImage image;
    image.XorBox(2, 2, 0, 8);
    image.XorEllipse(2, 2, 8, 0);
    image.UsePen(vPen(0, 0, 0, 1, vTransparent));
    image.XorLine(0, 0, 10, 10);
    image.XorEllipse(2, 2, 8, 8);
    EXPECT_EQ(image.CountPixels(0xFFFFFF), 16 * 16);
}

TEST(XorShapes, LeaveLaterDrawingInCopyMode) {
    TestImage image;
    image.XorLine(0, 0, 8, 0);
    image.PaintLine(0, 0, 8, 0);
    EXPECT_EQ(image.CountPixels(0), 8);
}
