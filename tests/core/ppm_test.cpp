#include <gtest/gtest.h>

#include "core/ppm.h"
#include "scratch.h"

namespace {

std::vector<uint8_t> PpmFile(const std::string& header, const std::vector<uint8_t>& samples) {
    std::vector<uint8_t> bytes;
    AppendText(bytes, header);
    bytes.insert(bytes.end(), samples.begin(), samples.end());
    return bytes;
}

// Six pixels whose values are 0x0102, 0x0304, ... with blue 0.
std::vector<uint8_t> SixPixels() {
    std::vector<uint8_t> samples;
    for (int k = 0; k < 6; ++k) samples.insert(samples.end(), {uint8_t(2 * k + 1), uint8_t(2 * k + 2), 0});
    return samples;
}

class PpmFiles : public ::testing::Test {
protected:
    std::string Write(const std::vector<uint8_t>& bytes, const std::string& name = "in.ppm") {
        WriteBytes(dir / name, bytes);
        return dir / name;
    }
    ScratchDir dir;
    HeightField field;
};

TEST_F(PpmFiles, TakesEachColourOneByteLate) {
    std::string path = Write(PpmFile("P6 3 2 255\n", SixPixels()));
    ASSERT_EQ(LoadPpm(field, path.c_str()), kLoadDone);
    field.SetKind(kSixteenBitField);
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{0x0102, 0x0304, 0x0506},
                                                            {0x0708, 0x090A, 0x0B0C}}));
    // Pixel 0 takes the header's newline as its blue byte, the others the blue before them.
    EXPECT_EQ(field.working().ReadPixel(0, 0), 0x0A0102u);
    EXPECT_EQ(field.working().ReadPixel(1, 0), 0x000304u);
    EXPECT_EQ(field.undo().ReadPixel(2, 1), field.working().ReadPixel(2, 1));
}

TEST_F(PpmFiles, LastBlueByteMayBeMissing) {
    std::vector<uint8_t> samples = SixPixels();
    samples.pop_back();
    ASSERT_EQ(LoadPpm(field, Write(PpmFile("P6\n3 2\n255\n", samples)).c_str()), kLoadDone);
    field.SetKind(kSixteenBitField);
    EXPECT_EQ(field.FieldValue(2, 1), 0x0B0C);
}

TEST_F(PpmFiles, CarriageReturnShiftsEveryValue) {
    ASSERT_EQ(LoadPpm(field, Write(PpmFile("P6 3 2 255\r\n", SixPixels())).c_str()), kLoadDone);
    field.SetKind(kSixteenBitField);
    // The stream starts at the carriage return: 0D 0A 01 02 00 03 04 00 05 ...
    EXPECT_EQ(field.FieldValue(0, 0), 0x0A01);
    EXPECT_EQ(field.FieldValue(1, 0), 0x0003);
    EXPECT_EQ(field.FieldValue(2, 0), 0x0005);
}

TEST_F(PpmFiles, HeadersThatAreRefusedChangeNothing) {
    field.ReplaceField(2, 1);
    for (const char* header :
         {"P6\n# comment\n3 2\n255\n", "P6 3 2 65535\n", "P5 3 2 255\n", "P6x 3 2 255\n", "P 6 3 2 255\n",
          "P6 3 2\n", "P6 0 2 255\n", "P6 -3 2 255\n", "P6 3 -2 255\n", "P6 3 2 -255\n",
          "P6 99999999999999999999999 2 255\n", "P6 4294967299 1 255\n", "P6 9000 9000 255\n",
          "P6 70000 1 255\n", "", "P6", "p6 3 2 255\n", "P6 3 2 2x55\n"}) {
        EXPECT_EQ(LoadPpm(field, Write(PpmFile(header, SixPixels())).c_str()), kLoadNotAccepted) << header;
        EXPECT_EQ(field.width(), 2);
    }
}

TEST_F(PpmFiles, SignsAndLeadingZerosReadAsDecimal) {
    ASSERT_EQ(LoadPpm(field, Write(PpmFile("\n\tP6 +3\v\f002 0255\n", SixPixels())).c_str()), kLoadDone);
    EXPECT_EQ(field.width(), 3);
    EXPECT_EQ(field.height(), 2);
}

TEST_F(PpmFiles, ShortRowLeavesTheNewFieldPartlyRead) {
    std::vector<uint8_t> samples = SixPixels();
    samples.resize(10);  // row 0 complete (with the newline), row 1 short
    EXPECT_EQ(LoadPpm(field, Write(PpmFile("P6 3 2 255\n", samples)).c_str()), kLoadDataEnded);
    field.SetKind(kSixteenBitField);
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{0x0102, 0x0304, 0x0506}, {-1, -1, -1}}));
    EXPECT_EQ(field.undo().ReadPixel(0, 0), kNoValuePixel);
}

TEST_F(PpmFiles, SaveWritesHeaderHighLowZeroAndATrailingByte) {
    FillField(field, {{0x1234, 65535}, {-1, 0}}, kSixteenBitField);
    int result = 0;
    std::string written = SaveAs(field, dir / "hills.tga", SavePpm, &result);
    EXPECT_EQ(result, kSaveDone);
    EXPECT_EQ(written, dir / "hills.ppm");
    std::vector<uint8_t> expected;
    AppendText(expected, "P6\n2 2\n255\n");
    expected.insert(expected.end(), {0x12, 0x34, 0, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF});
    EXPECT_EQ(ReadBytes(written), expected);
}

TEST_F(PpmFiles, SavedFieldLoadsBackWithItsValues) {
    FillField(field, {{0, 1, 255}, {256, 40000, 65535}}, kSixteenBitField);
    std::string written = SaveAs(field, dir / "round", SavePpm);
    HeightField loaded;
    ASSERT_EQ(LoadPpm(loaded, written.c_str()), kLoadDone);
    loaded.SetKind(kSixteenBitField);
    EXPECT_EQ(Values(loaded), Values(field));
    EXPECT_EQ(loaded.working().ReadPixel(0, 0) >> 16, 0x0Au);
    EXPECT_EQ(loaded.working().ReadPixel(1, 0) >> 16, 0u);
}

TEST_F(PpmFiles, LargeOddWidthFieldLoadsBackWhole) {
    std::vector<std::vector<int>> rows(1031, std::vector<int>(2051));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) rows[y][x] = int((x * 131 + y * 17) & 0xFFFF);
    FillField(field, rows, kSixteenBitField);
    std::string written = SaveAs(field, dir / "large", SavePpm);
    HeightField loaded;
    ASSERT_EQ(LoadPpm(loaded, written.c_str()), kLoadDone);
    loaded.SetKind(kSixteenBitField);
    EXPECT_EQ(Values(loaded), rows);
    // The load commits: undo holds exactly what was read.
    loaded.working().Erase();
    loaded.RestoreField();
    EXPECT_EQ(Values(loaded), rows);
}

TEST_F(PpmFiles, NoValueIsSavedAsTheTopValue) {
    FillField(field, {{-1}}, kSixteenBitField);
    HeightField loaded;
    ASSERT_EQ(LoadPpm(loaded, SaveAs(field, dir / "one", SavePpm).c_str()), kLoadDone);
    loaded.SetKind(kSixteenBitField);
    EXPECT_EQ(loaded.FieldValue(0, 0), 65535);
}

TEST_F(PpmFiles, FailedSaveKeepsTheOldFile) {
    std::string target = Write({'o', 'l', 'd'}, "keep.ppm");
    int result = 1;
    SaveAs(field, dir / "missing/keep.ppm", SavePpm, &result);
    EXPECT_EQ(result, kSaveFailed);
    EXPECT_EQ(ReadBytes(target), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

TEST_F(PpmFiles, TruncatedAndCorruptedFilesNeverBreakTheReader) {
    HeightField source;
    std::vector<std::vector<int>> rows(40, std::vector<int>(50));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x) rows[y][x] = (x * 1311 + y * 977) & 0xFFFF;
    FillField(source, rows, kSixteenBitField);
    std::vector<uint8_t> bytes = ReadBytes(SaveAs(source, dir / "source", SavePpm));
    for (size_t cut = 0; cut < bytes.size(); cut += 97) {
        std::vector<uint8_t> part(bytes.begin(), bytes.begin() + cut);
        int result = LoadPpm(field, Write(part).c_str());
        EXPECT_TRUE(result == kLoadNotAccepted || result == kLoadDataEnded) << cut;
    }
    for (int trial = 0; trial < 64; ++trial) {
        std::vector<uint8_t> corrupt = bytes;
        corrupt[trial % 12] = uint8_t(trial * 41);
        int result = LoadPpm(field, Write(corrupt).c_str());
        EXPECT_GE(result, kLoadDone);
        EXPECT_LE(result, kLoadDataEnded);
    }
}

TEST_F(PpmFiles, ALoadCommitsWithoutAnUndoImageOrMaskAndASaveMakesNone) {
    FillField(field, {{1, 2}, {3, 4}}, kSixteenBitField);
    std::string written = SaveAs(field, dir / "kept", SavePpm);
    HeightField loaded;
    loaded.mask();  // a selection before the load
    ASSERT_EQ(LoadPpm(loaded, written.c_str()), kLoadDone);
    EXPECT_FALSE(loaded.HasUndoImage());
    EXPECT_FALSE(loaded.HasMask());
    SaveAs(loaded, dir / "again", SavePpm);
    EXPECT_FALSE(loaded.HasUndoImage());
}

}  // namespace
