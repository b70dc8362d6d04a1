#include <gtest/gtest.h>

#include <random>

#include "interchange/height_files.h"
#include "interchange/height_rows.h"
#include "interchange/pgm_heights.h"
#include "interchange/png_heights.h"
#include "scratch.h"
#include "test_png.h"

namespace {

struct Read {
    InterchangeError error;
    HeightSamples samples;
};

Read ReadFile(const std::string& path, int rawWidth = 0, int rawHeight = 0) {
    Read read;
    read.error = ReadHeights(path, HeightFormatOf(path), rawWidth, rawHeight, read.samples);
    return read;
}

std::vector<uint8_t> Bytes(const std::string& text, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

class HeightFiles : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(dir / name, bytes);
        return dir / name;
    }
    std::string Png(const std::string& name, int width, int height, int depth, int type,
                    const std::vector<uint8_t>& bytes, bool interlaced = false) {
        EXPECT_TRUE(WriteTestPng(dir / name, width, height, depth, type, bytes, interlaced));
        return dir / name;
    }
    // A PNG as this program writes it, its image data in bands.
    std::string Banded(const std::string& name) {
        const std::string greymap = Write(name + ".pgm", Bytes("P5\n6 5\n65535\n", std::vector<uint8_t>(60, 0x5A)));
        HeightField field;
        std::unique_ptr<FieldRows> rows = HeightRowsAsAsked(field, greymap);
        FieldSamples samples(*rows);
        EXPECT_EQ(WriteHeights(dir / name, HeightFormat::kPng, samples), "");
        return dir / name;
    }
    // The first error a read gives, expected to mention `words`.
    void ExpectRefused(const std::string& path, const std::string& words, int rawWidth = 0, int rawHeight = 0) {
        Read read = ReadFile(path, rawWidth, rawHeight);
        EXPECT_NE(read.error.find(words), std::string::npos) << path << ": '" << read.error << "'";
    }

    ScratchDir dir;
};

TEST_F(HeightFiles, SamplesAreTakenAsTheyAreInEveryFormat) {
    Read pgm16 = ReadFile(Write("a.pgm", Bytes("P5 # made by hand\n2 1\n# range\n1000\n", {0x03, 0xE8, 0x00, 0x01})));
    EXPECT_EQ(pgm16.error, "");
    EXPECT_EQ(pgm16.samples.bits, 16);
    EXPECT_EQ(pgm16.samples.values, (std::vector<uint16_t>{1000, 1}));

    // A small maximum is not a scale: the samples stay as written.
    Read pgm8 = ReadFile(Write("b.pgm", Bytes("P5\n3 1\n250\n", {0, 245, 250})));
    EXPECT_EQ(pgm8.samples.bits, 8);
    EXPECT_EQ(pgm8.samples.values, (std::vector<uint16_t>{0, 245, 250}));

    Read png16 = ReadFile(Png("c.png", 2, 2, 16, PNG_COLOR_TYPE_GRAY, {0xFF, 0xFF, 0x12, 0x34, 0, 0, 0, 1}));
    EXPECT_EQ(png16.error, "");
    EXPECT_EQ(png16.samples.values, (std::vector<uint16_t>{65535, 0x1234, 0, 1}));

    Read raw = ReadFile(Write("d.r16", {0x34, 0x12, 1, 0, 0xFF, 0xFF}), 3, 1);
    EXPECT_EQ(raw.error, "");
    EXPECT_EQ(raw.samples.values, (std::vector<uint16_t>{0x1234, 1, 65535}));
    Read square = ReadFile(Write("e.RAW", std::vector<uint8_t>(2 * 9, 1)));
    EXPECT_EQ(square.samples.width, 3);
    EXPECT_EQ(square.samples.height, 3);
    // Square, but past the bound: said as such (the file is sparse).
    std::string huge = Write("huge.r16", {});
    std::filesystem::resize_file(huge, uintmax_t(65535) * 65535 * 2);
    ExpectRefused(huge, "65535x65535 field is larger than a field may be");
}

TEST_F(HeightFiles, UnsupportedPngsAreRefusedByKind) {
    ExpectRefused(Png("rgb.png", 1, 1, 8, PNG_COLOR_TYPE_RGB, {1, 2, 3}), "colour PNG");
    ExpectRefused(Png("alpha.png", 1, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, {1, 2}), "alpha");
    ExpectRefused(Png("palette.png", 1, 1, 8, PNG_COLOR_TYPE_PALETTE, {1}), "palette PNG");
    ExpectRefused(Png("adam7.png", 2, 2, 8, PNG_COLOR_TYPE_GRAY, {1, 2, 3, 4}, true), "interlaced");
    ExpectRefused(Png("four.png", 2, 1, 4, PNG_COLOR_TYPE_GRAY, {0x12}), "4-bit PNG");
    ExpectRefused(Png("wide.png", 70000, 1, 8, PNG_COLOR_TYPE_GRAY, std::vector<uint8_t>(70000)),
                  "outside a field's bounds");
    ExpectRefused(Write("text.png", Bytes("P5\n1 1\n255\n", {0})), "PNG");
    std::vector<uint8_t> whole = ReadBytes(Png("whole.png", 64, 64, 16, PNG_COLOR_TYPE_GRAY,
                                                std::vector<uint8_t>(64 * 64 * 2, 7)));
    ExpectRefused(Write("cut.png", std::vector<uint8_t>(whole.begin(), whole.begin() + 60)), "ends early");
}

TEST_F(HeightFiles, DamagedGreymapsAndRawFilesAreRefused) {
    ExpectRefused(Write("plain.pgm", Bytes("P2\n1 1\n255\n0\n", {})), "only binary P5");
    ExpectRefused(Write("pixmap.pgm", Bytes("P6\n1 1\n255\n", {0, 0, 0})), "only binary P5");
    ExpectRefused(Write("junk.pgm", Bytes("GIF89a", {})), "not a PGM");
    ExpectRefused(Write("header.pgm", Bytes("P5\n1 x\n255\n", {0})), "header is damaged");
    ExpectRefused(Write("zero.pgm", Bytes("P5\n1 1\n0\n", {0})), "maximum value 0");
    ExpectRefused(Write("deep.pgm", Bytes("P5\n1 1\n70000\n", {0, 0, 0})), "maximum value 70000");
    ExpectRefused(Write("huge.pgm", Bytes("P5\n100000 100000\n255\n", {0})), "outside a field's bounds");
    ExpectRefused(Write("none.pgm", Bytes("P5\n0 3\n255\n", {0})), "outside a field's bounds");
    ExpectRefused(Write("short.pgm", Bytes("P5\n2 2\n65535\n", {0, 0, 0, 0, 0, 0, 0})), "ends early");
    ExpectRefused(Write("over.pgm", Bytes("P5\n2 1\n9\n", {9, 10})), "1 samples exceed");

    ExpectRefused(Write("empty.r16", {}), "empty");
    ExpectRefused(Write("odd.r16", {1, 2, 3}), "odd");
    ExpectRefused(Write("strip.r16", std::vector<uint8_t>(2 * 6)), "6 samples make no square field");
    ExpectRefused(Write("sized.raw", std::vector<uint8_t>(2 * 6)), "needs 16", 4, 2);
    ExpectRefused(Write("x.tif", {1}), "unknown format");
}

// A greymap is read as its rows are written only when nothing after its header can refuse
// it, a PNG whenever its header is accepted; should either turn out short or damaged while
// it is read, the write keeps its target and says what the import would have said.
TEST_F(HeightFiles, AFileReadAsItIsWrittenKeepsTheTargetWhenItFails) {
    HeightField field;
    EXPECT_EQ(HeightRowsAsAsked(field, Write("short.pgm", Bytes("P5\n2 2\n65535\n", std::vector<uint8_t>(7)))), nullptr);
    EXPECT_EQ(HeightRowsAsAsked(field, Write("low.pgm", Bytes("P5\n2 1\n1000\n", std::vector<uint8_t>(4)))), nullptr);
    EXPECT_EQ(HeightRowsAsAsked(field, Png("rgb.png", 1, 1, 8, PNG_COLOR_TYPE_RGB, {1, 2, 3})), nullptr);
    // Larger than the readers' buffers, so that the damage is met while the rows are read.
    const std::string greymap =
        Write("cut.pgm", Bytes("P5\n300 300\n65535\n", std::vector<uint8_t>(2 * 300 * 300, 7)));
    std::vector<uint8_t> noise(2 * 300 * 300);
    std::mt19937 random(3);
    for (uint8_t& byte : noise) byte = uint8_t(random());
    const std::string png = Png("cut.png", 300, 300, 16, PNG_COLOR_TYPE_GRAY, noise);
    std::vector<uint8_t> flipped = ReadBytes(png);
    flipped[flipped.size() / 2] ^= 0x55;
    const std::string damaged = Write("damaged.png", flipped);
    for (const std::string& path : {greymap, png, damaged}) {
        const std::string target = Write("target.pgm", Bytes("old", {}));
        std::unique_ptr<FieldRows> rows = HeightRowsAsAsked(field, path);
        ASSERT_NE(rows, nullptr) << path;
        EXPECT_EQ(field.kind(), kSixteenBitField);
        if (path != damaged) std::filesystem::resize_file(path, 100000);
        FieldSamples samples(*rows);
        EXPECT_FALSE(WriteHeights(target, HeightFormat::kPgm, samples).empty()) << path;
        HeightSamples whole;
        EXPECT_EQ(rows->Failure(), path + ": " + ReadHeights(path, HeightFormatOf(path), 0, 0, whole)) << path;
        EXPECT_NE(rows->Failure(), path + ": ");
        EXPECT_EQ(ReadBytes(target), Bytes("old", {})) << path;
    }
}

// Every prefix and many damaged copies of a valid file of each format: the readers must
// return, with samples or with a reason, and never read outside what they hold.
TEST_F(HeightFiles, CutAndCorruptedFilesNeverCrash) {
    std::vector<uint8_t> greymap = Bytes("P5\n5 4\n65535\n", std::vector<uint8_t>(40, 0x5A));
    std::vector<std::string> originals = {
        Png("v16.png", 9, 7, 16, PNG_COLOR_TYPE_GRAY, std::vector<uint8_t>(9 * 7 * 2, 0x3C)),
        Png("v8.png", 9, 7, 8, PNG_COLOR_TYPE_GRAY, std::vector<uint8_t>(9 * 7, 0x3C)),
        Write("v.pgm", greymap), Write("v.r16", std::vector<uint8_t>(2 * 16, 9)), Banded("bands.png")};
    std::mt19937 random(7);
    for (const std::string& original : originals) {
        std::vector<uint8_t> whole = ReadBytes(original);
        std::string copy = original + "-damaged" + std::filesystem::path(original).extension().string();
        for (size_t length = 0; length < whole.size(); ++length) {
            WriteBytes(copy, std::vector<uint8_t>(whole.begin(), whole.begin() + length));
            Read read = ReadFile(copy);
            if (!read.error.empty()) continue;
            EXPECT_EQ(read.samples.values.size(), size_t(read.samples.width) * read.samples.height);
        }
        for (int round = 0; round < 300; ++round) {
            std::vector<uint8_t> damaged = whole;
            for (int hit = 0; hit < 3; ++hit) damaged[random() % damaged.size()] = uint8_t(random());
            WriteBytes(copy, damaged);
            Read read = ReadFile(copy);
            if (read.error.empty()) {
                EXPECT_LE(read.samples.width * read.samples.height, 64 * 64);
            }
        }
    }
}

}  // namespace
