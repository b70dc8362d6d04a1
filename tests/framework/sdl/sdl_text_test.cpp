#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/draw/raster.h"
#include "framework/platform/sdl/sdl_text.h"

// The fonts of the drawing contexts mapped to real faces.

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

struct vInk {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

class SdlText : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(TTF_Init(), 0);
        std::string error;
        ASSERT_TRUE(text.Open(error)) << error;
    }
    void TearDown() override {
        text.Close();
        TTF_Quit();
    }

    // Draws black text on white with its top-left corner at (40, 40).
    Raster Draw(const vFont& font, const char* line) {
        Raster raster(400, 240);
        raster.Fill(kWhite);
        text.Draw(raster, 40, 40, font, line, 0, kWhite, false);
        return raster;
    }

    static vInk InkOf(const Raster& raster) {
        vInk ink;
        for (int y = 0; y < raster.Height(); ++y) {
            for (int x = 0; x < raster.Width(); ++x) {
                if (raster.At(x, y) == kWhite) continue;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
        return ink;
    }

    static bool SamePixels(const Raster& a, const Raster& b) {
        return std::equal(a.Data(), a.Data() + size_t(a.Width()) * size_t(a.Height()), b.Data());
    }

    vSdlText text;
};

}  // namespace

TEST_F(SdlText, FixedFamiliesGiveEveryCharacterOneWidthAndTheOthersDoNot) {
    for (int family : {vFontDefaultSystem, vFontDefaultFixed, vFontFixed}) {
        vFont font(family, 12);
        EXPECT_EQ(text.Width(font, "iiiiii"), text.Width(font, "WWWWWW")) << "family " << family;
    }
    for (int family : {vFontDefaultVariable, vFontSerif, vFontSansSerif}) {
        vFont font(family, 12);
        EXPECT_LT(text.Width(font, "iiiiii"), text.Width(font, "WWWWWW")) << "family " << family;
    }
    EXPECT_FALSE(SamePixels(Draw(vFont(vFontSerif, 12), "Ridge"), Draw(vFont(vFontSansSerif, 12), "Ridge")));
}

TEST_F(SdlText, ItalicAndBoldShowInEveryFamily) {
    for (int family : {vFontDefaultSystem, vFontSerif, vFontSansSerif, vFontFixed}) {
        Raster upright = Draw(vFont(family, 14), "Slope");
        Raster bold = Draw(vFont(family, 14, vFontStyleNormal, vFontBold), "Slope");
        EXPECT_FALSE(SamePixels(upright, Draw(vFont(family, 14, vFontItalic), "Slope"))) << "family " << family;
        EXPECT_FALSE(SamePixels(upright, bold)) << "family " << family;
        EXPECT_GE(InkOf(bold).width(), InkOf(upright).width()) << "family " << family;
    }
}

TEST_F(SdlText, PointSizeScalesTheLine) {
    int ascent10 = 0, descent10 = 0, ascent20 = 0, descent20 = 0;
    text.Metrics(vFont(vFontSansSerif, 10), ascent10, descent10);
    text.Metrics(vFont(vFontSansSerif, 20), ascent20, descent20);
    EXPECT_GT(ascent10, 0);
    EXPECT_GT(descent10, 0);
    EXPECT_NEAR(ascent20 + descent20, 2 * (ascent10 + descent10), 3);
    EXPECT_NEAR(text.Width(vFont(vFontSansSerif, 20), "Terrain"), 2 * text.Width(vFont(vFontSansSerif, 10), "Terrain"), 4);
}

TEST_F(SdlText, AngleTurnsTheTextCounterClockwiseAboutItsCorner) {
    vInk level = InkOf(Draw(vFont(vFontSansSerif, 14), "Contour"));
    Raster turned = Draw(vFont(vFontSansSerif, 14, vFontStyleNormal, vFontWeightNormal, 0, 90), "Contour");
    vInk up = InkOf(turned);
    EXPECT_GT(level.width(), level.height());
    EXPECT_GT(up.height(), up.width());
    EXPECT_LE(up.bottom, 40 + 20);
    EXPECT_LT(up.top, 40 - level.width() / 2);
}

TEST_F(SdlText, MissingFacesAndLatin1TextStillDraw) {
    vFont symbols(vFontDecorative, 12);
    EXPECT_GT(text.Width(symbols, "abc"), 0);
    EXPECT_GT(InkOf(Draw(symbols, "abc")).width(), 0);
    vFont sans(vFontSansSerif, 12);
    EXPECT_EQ(text.Width(sans, "H\xF6he"), text.Width(sans, "H\xC3\xB6he"));
    EXPECT_EQ(text.Width(sans, ""), 0);
}
