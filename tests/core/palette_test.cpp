#include <gtest/gtest.h>

#include "core/palette.h"

namespace {

TEST(DefaultPalette, MatchesItsSampleEntries) {
    Palette palette = DefaultPalette();
    EXPECT_EQ(palette[0], vColor(0, 0, 0));
    EXPECT_EQ(palette[15], vColor(0, 0, 15));
    EXPECT_EQ(palette[17], vColor(77, 31, 17));
    EXPECT_EQ(palette[64], vColor(249, 203, 64));
    EXPECT_EQ(palette[100], vColor(8, 166, 100));
    EXPECT_EQ(palette[150], vColor(190, 40, 150));
    EXPECT_EQ(palette[200], vColor(130, 130, 200));
    EXPECT_EQ(palette[215], vColor(172, 172, 215));
    EXPECT_EQ(palette[239], vColor(239, 239, 239));
    EXPECT_EQ(palette[240], vColor(240, 240, 240));
}

TEST(DefaultPalette, BlueIsTheIndexUpTo240AndTopEntriesAreAlike) {
    Palette palette = DefaultPalette();
    for (int i = 0; i <= 240; ++i) EXPECT_EQ(palette[i].B(), i) << i;
    for (int i = 241; i < 256; ++i) EXPECT_EQ(palette[i], vColor(239, 239, 255)) << i;
}

TEST(DefaultPalette, RampsEndOnTheirLastColour) {
    Palette palette = DefaultPalette();
    EXPECT_EQ(palette[31], vColor(129, 83, 31));
    EXPECT_EQ(palette[63], vColor(246, 200, 63));
    EXPECT_EQ(palette[127], vColor(8, 255, 127));
    EXPECT_EQ(palette[223], vColor(210, 210, 223));
}

}  // namespace
