#include <gtest/gtest.h>

#include <cstring>

#include "core/file_name.h"

namespace {

TEST(ClassifyFileName, LooksForTheTextsAnywhereWithExactCase) {
    EXPECT_EQ(ClassifyFileName("map.tga"), kFileKindTga);
    EXPECT_EQ(ClassifyFileName("map.tga.old"), kFileKindTga);
    EXPECT_EQ(ClassifyFileName("hills.ppm"), kFileKindPpm);
    EXPECT_EQ(ClassifyFileName("x.tga.ppm"), kFileKindPpm);
    EXPECT_EQ(ClassifyFileName("x.ppm.tga"), kFileKindPpm);
    EXPECT_EQ(ClassifyFileName("MAP.TGA"), kFileKindUnknown);
    EXPECT_EQ(ClassifyFileName(""), kFileKindUnknown);
}

std::string Rewritten(const char* path, const char* extension) {
    char buffer[64];
    std::strcpy(buffer, path);
    EXPECT_TRUE(RewriteExtension(buffer, sizeof buffer, extension));
    return buffer;
}

TEST(RewriteExtension, AppendsOrReplacesFromTheFirstDot) {
    EXPECT_EQ(Rewritten("terrain", ".tga"), "terrain.tga");
    EXPECT_EQ(Rewritten("terrain.old.tga", ".tga"), "terrain.tga");
    EXPECT_EQ(Rewritten("hills.tga", ".ppm"), "hills.ppm");
    EXPECT_EQ(Rewritten("a.", ".ppm"), "a.ppm");
}

TEST(RewriteExtension, LeavesDotsInFolderNamesAlone) {
    EXPECT_EQ(Rewritten("./maps.v2/terrain.old", ".tga"), "./maps.v2/terrain.tga");
    EXPECT_EQ(Rewritten("../maps/hills", ".ppm"), "../maps/hills.ppm");
}

TEST(RewriteExtension, RefusesWhenTheNameWouldNotFit) {
    char buffer[8] = "abcdef";
    EXPECT_FALSE(RewriteExtension(buffer, sizeof buffer, ".tga"));
    EXPECT_STREQ(buffer, "abcdef");
    char exact[10] = "abcde";
    EXPECT_TRUE(RewriteExtension(exact, sizeof exact, ".tga"));
    EXPECT_STREQ(exact, "abcde.tga");
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_FALSE(RewriteExtension(unterminated, sizeof unterminated, ".tga"));
}

}  // namespace
