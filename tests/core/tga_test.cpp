#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "core/field_load.h"
#include "core/file_name.h"
#include "core/tga.h"
#include "scratch.h"

namespace {

std::vector<uint8_t> TgaHeader(int width, int height, uint8_t descriptor = 0x20) {
    return {0, 1, 1, 0, 0, 0, 1, 24, 0, 0, 0, 0, uint8_t(width & 0xFF), uint8_t(width >> 8),
            uint8_t(height & 0xFF), uint8_t(height >> 8), 8, descriptor};
}

// A file with a colour map of junk, which the reader must not use.
std::vector<uint8_t> TgaFile(int width, int height, const std::vector<uint8_t>& indexes,
                             uint8_t descriptor = 0x20) {
    std::vector<uint8_t> bytes = TgaHeader(width, height, descriptor);
    for (int i = 0; i < 768; ++i) bytes.push_back(uint8_t(i * 37));
    bytes.insert(bytes.end(), indexes.begin(), indexes.end());
    return bytes;
}

class TgaFiles : public ::testing::Test {
protected:
    std::string Write(const std::vector<uint8_t>& bytes, const std::string& name = "in.tga") {
        WriteBytes(dir / name, bytes);
        return dir / name;
    }
    ScratchDir dir;
    HeightField field;
};

TEST_F(TgaFiles, LoadsIndexesWithThePalettesColours) {
    std::string path = Write(TgaFile(3, 2, {0, 17, 100, 200, 240, 7}));
    ASSERT_EQ(LoadTga(field, path.c_str()), kLoadDone);
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{0, 17, 100}, {200, 240, 7}}));
    EXPECT_EQ(field.working().ReadPixel(1, 0), DefaultPalette()[17].Pixel());
    EXPECT_EQ(field.undo().ReadPixel(2, 1), field.working().ReadPixel(2, 1));
}

TEST_F(TgaFiles, BottomUpFileShowsUpsideDown) {
    std::string path = Write(TgaFile(1, 2, {10, 20}, 0x00));
    ASSERT_EQ(LoadTga(field, path.c_str()), kLoadDone);
    EXPECT_EQ(field.FieldValue(0, 0), 10);
    EXPECT_EQ(field.FieldValue(0, 1), 20);
}

TEST_F(TgaFiles, SurplusAfterThePixelsIsIgnored) {
    std::vector<uint8_t> bytes = TgaFile(2, 1, {1, 2});
    AppendText(bytes, "footer bytes");
    ASSERT_EQ(LoadTga(field, Write(bytes).c_str()), kLoadDone);
    EXPECT_EQ(Values(field)[0], (std::vector<int>{1, 2}));
}

TEST_F(TgaFiles, OtherVariantsAreRefusedWithNothingChanged) {
    FillField(field, {{5, 6}}, kEightBitField);
    field.SnapshotField();
    std::vector<std::vector<uint8_t>> variants;
    for (int offset : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16}) {
        std::vector<uint8_t> bytes = TgaFile(2, 2, {1, 2, 3, 4});
        bytes[offset] ^= 0x09;  // e.g. type 9 (compressed), 16-bit map entries
        variants.push_back(bytes);
    }
    variants.push_back(TgaFile(0, 5, {}));        // no positions
    variants.push_back(TgaFile(9000, 9000, {}));  // beyond the size limit
    variants.push_back(TgaHeader(2, 2));
    variants.back().resize(17);                   // cut inside the header
    variants.push_back({});
    for (const auto& bytes : variants) {
        EXPECT_EQ(LoadTga(field, Write(bytes).c_str()), kLoadNotAccepted);
        EXPECT_EQ(field.width(), 2);
        EXPECT_EQ(Values(field)[0], (std::vector<int>{5, 6}));
        EXPECT_EQ(field.undo().ReadPixel(1, 0), DefaultPalette()[6].Pixel());
    }
}

TEST_F(TgaFiles, OnlyRegularFilesOpen) {
    ASSERT_EQ(mkfifo((dir / "pipe.tga").c_str(), 0600), 0);
    // A pipe without a writer would block a plain open; a device would never end.
    for (std::string path : {dir / "absent.tga", dir.path(), dir / "pipe.tga", std::string("/dev/zero")}) {
        EXPECT_EQ(LoadTga(field, path.c_str()), kLoadCannotOpen) << path;
    }
    EXPECT_EQ(field.width(), 400);
}

TEST_F(TgaFiles, ShortRowLeavesTheNewFieldPartlyRead) {
    FillField(field, {{9, 9, 9}}, kEightBitField);
    field.SnapshotField();
    std::string path = Write(TgaFile(2, 3, {1, 2, 3}));  // row 1 lacks a byte, row 2 is missing
    EXPECT_EQ(LoadTga(field, path.c_str()), kLoadDataEnded);
    EXPECT_EQ(field.width(), 2);
    EXPECT_EQ(field.height(), 3);
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{1, 2}, {-1, -1}, {-1, -1}}));
    EXPECT_EQ(field.undo().ReadPixel(0, 0), kNoValuePixel);
}

TEST_F(TgaFiles, ShortRowOverAFieldOfTheSameSizeClearsWhatWasThere) {
    ASSERT_EQ(LoadTga(field, Write(TgaFile(2, 2, {1, 2, 3, 4})).c_str()), kLoadDone);
    EXPECT_EQ(LoadTga(field, Write(TgaFile(2, 2, {5, 6, 7})).c_str()), kLoadDataEnded);
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{5, 6}, {-1, -1}}));
    EXPECT_EQ(field.undo().ReadPixel(0, 0), kNoValuePixel);
    EXPECT_EQ(field.undo().ReadPixel(1, 1), kNoValuePixel);
}

TEST_F(TgaFiles, AFieldLoadsOnlyFromAWholeFile) {
    FillField(field, {{9, 8}, {7, -1}}, kSixteenBitField);
    field.SnapshotField();
    field.working().MutableRowPixels(0)[0] = field.ValueColor(1).Pixel();
    field.mask().MutableRowPixels(1)[1] = 0;
    std::string cut = Write(TgaFile(2, 3, {1, 2, 3}));
    EXPECT_EQ(LoadFieldFile(field, kFileKindTga, cut.c_str(), nullptr), kLoadDataEnded);
    EXPECT_EQ(field.kind(), kSixteenBitField);
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{1, 8}, {7, -1}}));
    EXPECT_EQ(field.DecodeValue(field.undo().ReadPixel(0, 0)), 9);
    EXPECT_EQ(field.MaskTest(1, 1), 0);

    std::string whole = Write(TgaFile(2, 1, {4, 5}));
    ASSERT_EQ(LoadFieldFile(field, kFileKindTga, whole.c_str(), nullptr), kLoadDone);
    EXPECT_EQ(field.kind(), kEightBitField);
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{4, 5}}));
    EXPECT_EQ(field.undo().ReadPixel(1, 0), field.working().ReadPixel(1, 0));
    EXPECT_EQ(field.MaskTest(1, 0), 1);
}

TEST_F(TgaFiles, ColourMapCutShortIsMissingData) {
    std::vector<uint8_t> bytes = TgaHeader(2, 2);
    bytes.resize(18 + 100);
    EXPECT_EQ(LoadTga(field, Write(bytes).c_str()), kLoadDataEnded);
    EXPECT_EQ(field.width(), 2);
}

TEST_F(TgaFiles, SaveWritesHeaderPaletteAndIndexes) {
    FillField(field, {{0, 17, -1}, {255, 241, 100}}, kEightBitField);
    int result = 0;
    std::string written = SaveAs(field, dir / "terrain.old.tga", SaveTga, &result);
    EXPECT_EQ(result, kSaveDone);
    EXPECT_EQ(written, dir / "terrain.tga");
    std::vector<uint8_t> bytes = ReadBytes(written);
    ASSERT_EQ(bytes.size(), 18u + 768 + 6);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 18), TgaHeader(3, 2));
    const Palette& palette = DefaultPalette();
    EXPECT_EQ(bytes[18 + 3 * 17], palette[17].B());
    EXPECT_EQ(bytes[18 + 3 * 17 + 1], palette[17].G());
    EXPECT_EQ(bytes[18 + 3 * 17 + 2], palette[17].R());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 786, bytes.end()),
              (std::vector<uint8_t>{0, 17, 255, 255, 255, 100}));
}

TEST_F(TgaFiles, SavedFieldLoadsBackWithItsValues) {
    FillField(field, {{3, 1, 4}, {1, 5, 9}, {2, 6, 5}}, kEightBitField);
    std::string written = SaveAs(field, dir / "round", SaveTga);
    EXPECT_EQ(written, dir / "round.tga");
    HeightField loaded;
    ASSERT_EQ(LoadTga(loaded, written.c_str()), kLoadDone);
    EXPECT_EQ(Values(loaded), Values(field));
    FillField(field, {{-1}}, kEightBitField);  // 1 x 1, no value: back as entry 255
    ASSERT_EQ(LoadTga(loaded, SaveAs(field, dir / "one", SaveTga).c_str()), kLoadDone);
    EXPECT_EQ(loaded.working().ReadPixel(0, 0), DefaultPalette()[255].Pixel());
}

TEST_F(TgaFiles, ForeignColourMapIsReplacedByThePalette) {
    std::string path = Write(TgaFile(2, 1, {40, 41}));
    ASSERT_EQ(LoadTga(field, path.c_str()), kLoadDone);
    std::vector<uint8_t> saved = ReadBytes(SaveAs(field, dir / "again.tga", SaveTga));
    std::vector<uint8_t> original = ReadBytes(path);
    EXPECT_NE(std::vector<uint8_t>(original.begin() + 18, original.begin() + 786),
              std::vector<uint8_t>(saved.begin() + 18, saved.begin() + 786));
    EXPECT_EQ(std::vector<uint8_t>(saved.begin() + 786, saved.end()), (std::vector<uint8_t>{40, 41}));
}

TEST_F(TgaFiles, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    std::string target = Write({'o', 'l', 'd'}, "keep.tga");
    HeightField big;
    FillField(big, std::vector<std::vector<int>>(100, std::vector<int>(100, 7)), kEightBitField);
    // A file size limit makes the writes fail part way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous;
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 2000;
    setrlimit(RLIMIT_FSIZE, &small);
    int result = 1;
    SaveAs(big, target, SaveTga, &result);
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_EQ(result, kSaveFailed);
    EXPECT_EQ(ReadBytes(target), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST_F(TgaFiles, SaveIntoAMissingFolderFails) {
    int result = 1;
    SaveAs(field, dir / "no/such/folder/map.tga", SaveTga, &result);
    EXPECT_EQ(result, kSaveFailed);
}

TEST_F(TgaFiles, TruncatedAndCorruptedCopiesOfTheDemoNeverBreakTheReader) {
    std::vector<uint8_t> demo = ReadBytes(std::string(KNOLL_SOURCE_DIR) + "/demo/Intro.tga");
    ASSERT_EQ(demo.size(), 786u + 400 * 400);
    for (size_t cut : {size_t(0), size_t(5), size_t(18), size_t(500), size_t(786), size_t(786 + 399),
                       size_t(786 + 400 * 200 + 3), demo.size() - 1}) {
        std::vector<uint8_t> bytes(demo.begin(), demo.begin() + cut);
        int expected = cut < 18 ? kLoadNotAccepted : kLoadDataEnded;
        EXPECT_EQ(LoadTga(field, Write(bytes).c_str()), expected) << cut;
    }
    for (int trial = 0; trial < 64; ++trial) {
        std::vector<uint8_t> bytes = demo;
        for (int k = 0; k < 4; ++k) bytes[(trial * 7919 + k * 104729) % 40] ^= uint8_t(1 + trial + k);
        int result = LoadTga(field, Write(bytes).c_str());
        EXPECT_GE(result, kLoadDone);
        EXPECT_LE(result, kLoadDataEnded);
        EXPECT_GE(field.width(), 1);
    }
}

}  // namespace
