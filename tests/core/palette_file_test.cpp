#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "core/palette_file.h"
#include "scratch.h"

namespace {

vColor Scanned(const char* line) {
    vColor color(1, 2, 3);
    EXPECT_TRUE(ScanPaletteLine(line, color)) << line;
    return color;
}

TEST(ScanPaletteLine, ReadsNumbersAsPercentI) {
    EXPECT_EQ(Scanned("255, 0, 0"), vColor(255, 0, 0));
    EXPECT_EQ(Scanned("0x10,010,16"), vColor(16, 8, 16));
    EXPECT_EQ(Scanned("0X1A,+5,-010"), vColor(26, 5, 248));
    EXPECT_EQ(Scanned("\t 1,\t2,  3"), vColor(1, 2, 3));
    EXPECT_EQ(Scanned("0x,1,2"), vColor(0, 1, 2));  // "0x" without digits reads as 0
}

TEST(ScanPaletteLine, KeepsTheLowEightBits) {
    EXPECT_EQ(Scanned("300,-1,0"), vColor(44, 255, 0));
    EXPECT_EQ(Scanned("256,512,-256"), vColor(0, 0, 0));
    // Far beyond any integer type, the low bits are still those of the number.
    EXPECT_EQ(Scanned("100000000000000000000000000001,0xffffffffffffffffffffff,-100000000000000000000"),
              vColor(1, 255, 0));
}

TEST(ScanPaletteLine, IgnoresTextAfterTheThirdNumber) {
    EXPECT_EQ(Scanned("12,34,56 followed by words"), vColor(12, 34, 56));
    EXPECT_EQ(Scanned("1,2,3,4"), vColor(1, 2, 3));
    EXPECT_EQ(Scanned("1,2,3\r"), vColor(1, 2, 3));
    EXPECT_EQ(Scanned("1,2,09"), vColor(1, 2, 0));  // octal stops at the 9
}

TEST(ScanPaletteLine, RefusesLinesWithoutThreeNumbers) {
    vColor color;
    for (const char* line : {"", "1,2", "1,2,", "255 ,0,0", "- 5,1,2", "a,b,c", "1;2;3", "08,1,2",
                             "1,,3", "0xg,1,2", "1,2,-"}) {
        EXPECT_FALSE(ScanPaletteLine(line, color)) << line;
    }
}

class PaletteFile : public ::testing::Test {
protected:
    std::string Write(const std::string& text) {
        std::string path = dir / "test.pal";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string Lines(int count, int start = 0) {
        std::string text;
        for (int i = start; i < start + count; ++i)
            text += std::to_string(i) + "," + std::to_string(i) + "," + std::to_string(i) + "\n";
        return text;
    }
    ScratchDir dir;
    Palette palette = DefaultPalette();
    std::string directory = "before";
};

TEST_F(PaletteFile, ReadsAllEntriesAndIgnoresLinesAfterThem) {
    std::string path = Write(Lines(300, 5));
    EXPECT_EQ(LoadPaletteFile(path.c_str(), palette, directory), kPaletteLoaded);
    EXPECT_EQ(palette[0], vColor(5, 5, 5));
    EXPECT_EQ(palette[255], vColor(260 & 0xFF, 260 & 0xFF, 260 & 0xFF));
}

TEST_F(PaletteFile, LastLineNeedsNoLineBreak) {
    std::string text = Lines(256);
    text.pop_back();
    EXPECT_EQ(LoadPaletteFile(Write(text).c_str(), palette, directory), kPaletteLoaded);
    EXPECT_EQ(palette[255], vColor(255, 255, 255));
}

TEST_F(PaletteFile, ShortFileReplacesWhatItHadAndReportsABodyError) {
    std::string path = Write(Lines(10, 100));
    EXPECT_EQ(LoadPaletteFile(path.c_str(), palette, directory), kPaletteBodyError);
    EXPECT_EQ(palette[9], vColor(109, 109, 109));
    EXPECT_EQ(palette[10], DefaultPalette()[10]);
    EXPECT_EQ(palette[255], DefaultPalette()[255]);
}

TEST_F(PaletteFile, BadLineStopsTheReading) {
    std::string text = Lines(3, 50) + "oops\n" + Lines(252);
    EXPECT_EQ(LoadPaletteFile(Write(text).c_str(), palette, directory), kPaletteBodyError);
    EXPECT_EQ(palette[2], vColor(52, 52, 52));
    EXPECT_EQ(palette[3], DefaultPalette()[3]);
    EXPECT_EQ(palette[4], DefaultPalette()[4]);
}

TEST_F(PaletteFile, LongLineIsCutAndCountsAsOneEntry) {
    std::string text = "1,2,3" + std::string(500, ' ') + "tail,9,9,9\n" + Lines(255, 1);
    EXPECT_EQ(LoadPaletteFile(Write(text).c_str(), palette, directory), kPaletteLoaded);
    EXPECT_EQ(palette[0], vColor(1, 2, 3));
    EXPECT_EQ(palette[1], vColor(1, 1, 1));
    // Only the first 99 characters are scanned: a number starting later is not seen.
    std::string late = std::string(97, ' ') + "1,2,3\n" + Lines(255, 1);
    EXPECT_EQ(LoadPaletteFile(Write(late).c_str(), palette, directory), kPaletteBodyError);
}

TEST_F(PaletteFile, DirectoryTakesTheWorkingDirectoryOnceOpen) {
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(LoadPaletteFile(Write("junk").c_str(), palette, directory), kPaletteBodyError);
    EXPECT_EQ(directory, cwd);
}

TEST_F(PaletteFile, MissingFileOrFolderChangesNothing) {
    EXPECT_EQ(LoadPaletteFile((dir / "absent.pal").c_str(), palette, directory), kPaletteCannotOpen);
    EXPECT_EQ(LoadPaletteFile(dir.path().c_str(), palette, directory), kPaletteCannotOpen);
    EXPECT_EQ(directory, "before");
    EXPECT_EQ(palette, DefaultPalette());
}

TEST_F(PaletteFile, BinaryJunkIsABodyError) {
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += char((i * 7919) & 0xFF);
    EXPECT_EQ(LoadPaletteFile(Write(junk).c_str(), palette, directory), kPaletteBodyError);
    EXPECT_EQ(LoadPaletteFile(Write("").c_str(), palette, directory), kPaletteBodyError);
}

TEST_F(PaletteFile, DemoPaletteIsTheDefaultTable) {
    std::string path = std::string(KNOLL_SOURCE_DIR) + "/demo/Std.pal";
    Palette loaded{};
    EXPECT_EQ(LoadPaletteFile(path.c_str(), loaded, directory), kPaletteLoaded);
    EXPECT_EQ(loaded, DefaultPalette());
}

}  // namespace
