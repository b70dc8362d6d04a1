#include <gtest/gtest.h>

#include <fstream>

#include "run_cli.h"

namespace {

std::vector<uint8_t> SmallTga(int width, int height, const std::vector<uint8_t>& indexes) {
    std::vector<uint8_t> bytes = {0, 1, 1, 0, 0, 0, 1, 24, 0, 0, 0, 0, uint8_t(width), 0, uint8_t(height), 0, 8, 0x20};
    bytes.resize(18 + 768);
    bytes.insert(bytes.end(), indexes.begin(), indexes.end());
    return bytes;
}

class FileSteps : public ::testing::Test {
protected:
    FileSteps() {
        WriteBytes(dir / "small.tga", SmallTga(3, 2, {0, 17, 100, 200, 240, 255}));
        std::vector<uint8_t> ppm;
        AppendText(ppm, "P6\n2 1\n255\n");
        ppm.insert(ppm.end(), {0x12, 0x34, 0, 0xFF, 0xFE, 0});
        WriteBytes(dir / "small.ppm", ppm);
    }
    CliRun Run(const std::vector<std::string>& arguments) { return RunCli(dir, arguments); }
    void WriteText(const std::string& name, const std::string& text) { std::ofstream(dir / name) << text; }

    ScratchDir dir;
};

TEST_F(FileSteps, OpenSetsTheKindByFormat) {
    EXPECT_EQ(Run({"--open", "small.tga", "--dump", "-"}).out, "3 2 8\n0 17 100\n200 240 255\n");
    EXPECT_EQ(Run({"--open", "small.ppm", "--dump", "-"}).out, "2 1 16\n4660 65534\n");
    std::filesystem::copy(dir / "small.tga", dir / "map.tga.old");
    EXPECT_EQ(Run({"--open", "map.tga.old", "--info"}).out, "width=3 height=2 kind=8 min=0 max=255 novalue=0\n");
}

TEST_F(FileSteps, OpenDropsTheSelectionAndCommitsWhatItRead) {
    const std::string loaded = "3 2 8\n0 17 100\n200 240 255\n";
    // Without the second --open the inside fill would reach five positions.
    EXPECT_EQ(Run({"--open", "small.tga", "--select", "0,0 2,0 2,1", "--open", "small.tga", "--area",
                   "inside", "--fill", "5", "--dump", "-"})
                  .out,
              loaded);
    EXPECT_EQ(Run({"--open", "small.tga", "--fill", "9", "--open", "small.tga", "--fill", "7", "--undo",
                   "--dump", "-"})
                  .out,
              loaded);
}

TEST_F(FileSteps, OpenRefusesOtherNamesWithTheWrongTypeNotice) {
    std::filesystem::copy(dir / "small.tga", dir / "MAP.TGA");
    CliRun run = Run({"--open", "MAP.TGA"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "WRONG  FILE TYPE!!\n\nTGA, PPM, PNG, PGM, RAW, GeoTIFF, SRTM & ASCII grid types only !!\n");
}

TEST_F(FileSteps, OpenReportsEachReaderResult) {
    std::vector<uint8_t> bytes = ReadBytes(dir / "small.tga");
    bytes[2] = 9;
    WriteBytes(dir / "packed.tga", bytes);
    bytes = ReadBytes(dir / "small.tga");
    bytes.pop_back();
    WriteBytes(dir / "short.tga", bytes);
    EXPECT_EQ(Run({"--open", "absent.ppm"}).err, "Unable to LOAD File !!\n");
    EXPECT_EQ(Run({"--open", "packed.tga"}).err, "File Inconpatable!!\n");
    CliRun shortRun = Run({"--open", "short.tga"});
    EXPECT_EQ(shortRun.status, 1);
    EXPECT_EQ(shortRun.err, "ERROR in File Data!!\n");
}

TEST_F(FileSteps, NameWithBothTextsIsReadAsPpm) {
    std::filesystem::copy(dir / "small.ppm", dir / "both.tga.ppm");
    EXPECT_EQ(Run({"--open", "both.tga.ppm", "--info"}).out,
              "width=2 height=1 kind=16 min=4660 max=65534 novalue=0\n");
}

TEST_F(FileSteps, SaveRewritesTheExtensionAndRefusesTheOtherFormat) {
    EXPECT_EQ(Run({"--open", "small.tga", "--save", "copy"}).status, 0);
    std::vector<uint8_t> copy = ReadBytes(dir / "copy.tga");
    ASSERT_EQ(copy.size(), 786u + 6);
    EXPECT_EQ(std::vector<uint8_t>(copy.begin() + 786, copy.end()),
              (std::vector<uint8_t>{0, 17, 100, 200, 240, 255}));
    CliRun wrong = Run({"--open", "small.tga", "--save", "copy.ppm"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.err, "Wrong File type!!!\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.ppm"));
    EXPECT_EQ(Run({"--open", "small.ppm", "--save", "hills.old"}).status, 0);
    EXPECT_EQ(Run({"--open", "hills.ppm", "--dump", "-"}).out, "2 1 16\n4660 65534\n");
}

TEST_F(FileSteps, SaveThatCannotWriteGivesTheSaveError) {
    CliRun run = Run({"--new", "2x2", "--save", "missing/folder/x.tga"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "File Save Error!!!\n");
}

TEST_F(FileSteps, NewFieldsSaveInTheirKindsFormat) {
    EXPECT_EQ(Run({"--new", "2x1:16", "--save", "blank"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "blank.ppm").size(), std::string("P6\n2 1\n255\n").size() + 6 + 1);
    EXPECT_EQ(Run({"--new", "2x1", "--save", "blank"}).status, 0);
    std::vector<uint8_t> tga = ReadBytes(dir / "blank.tga");
    EXPECT_EQ(std::vector<uint8_t>(tga.end() - 2, tga.end()), (std::vector<uint8_t>{255, 255}));
}

std::string PaletteText(int count, int red) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(red) + ",0," + std::to_string(i) + "\n";
    return text;
}

TEST_F(FileSteps, PaletteRepaintsAnEightBitFieldKeepingItsValues) {
    WriteText("red.pal", PaletteText(256, 200));
    CliRun run = Run({"--open", "small.tga", "--palette", "red.pal", "--dump-pixels", "-", "--dump", "-"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "3 2 8\n0000c8 1100c8 6400c8\nc800c8 f000c8 ff00c8\n3 2 8\n0 17 100\n200 240 255\n");
}

TEST_F(FileSteps, PaletteLeavesASixteenBitFieldAlone) {
    WriteText("red.pal", PaletteText(256, 200));
    EXPECT_EQ(Run({"--open", "small.ppm", "--palette", "red.pal", "--dump-pixels", "-"}).out,
              "2 1 16\n0a1234 00fffe\n");
}

TEST_F(FileSteps, PaletteFailuresUseTheStartUpNotices) {
    WriteText("short.pal", PaletteText(10, 1));
    CliRun body = Run({"--palette", "short.pal", "--info"});
    EXPECT_EQ(body.status, 1);
    EXPECT_EQ(body.err, "Palette Body error\n");
    EXPECT_EQ(body.out, "");
    EXPECT_EQ(Run({"--palette", "absent.pal"}).err, "Palette Open error\n");
}

TEST_F(FileSteps, PaletteChangesHowLaterLoadsArePainted) {
    WriteText("red.pal", PaletteText(256, 200));
    EXPECT_EQ(Run({"--palette", "red.pal", "--open", "small.tga", "--dump-pixels", "-"}).out,
              "3 2 8\n0000c8 1100c8 6400c8\nc800c8 f000c8 ff00c8\n");
}

TEST_F(FileSteps, DamagedCopiesOfTheDemoFailCleanly) {
    std::vector<uint8_t> demo = ReadBytes(std::string(KNOLL_SOURCE_DIR) + "/demo/Intro.tga");
    for (size_t cut : {size_t(10), size_t(800), demo.size() / 2, demo.size() - 1}) {
        WriteBytes(dir / "cut.tga", std::vector<uint8_t>(demo.begin(), demo.begin() + cut));
        CliRun run = Run({"--open", "cut.tga"});
        EXPECT_EQ(run.status, 1) << cut;
        EXPECT_EQ(run.err, cut < 18 ? "File Inconpatable!!\n" : "ERROR in File Data!!\n") << cut;
    }
    std::vector<uint8_t> junk = demo;
    for (size_t i = 0; i < junk.size(); i += 3) junk[i] = uint8_t(i * 131);
    WriteBytes(dir / "junk.ppm", junk);
    EXPECT_EQ(Run({"--open", "junk.ppm"}).err, "File Inconpatable!!\n");
}

}  // namespace

// Steps that only a last save or export follows hand their rows straight to the file (a
// greymap's or PNG's rows are read as they are written); with a --keep between, the field is
// made first. Both must give the same bytes.
TEST_F(FileSteps, RowsHandedStraightToTheFileMatchTheFieldTheyWouldForm) {
    ASSERT_EQ(Run({"--new", "5x3:16", "--seed", "2", "--rough", "middle:9000", "--export", "sixteen.pgm"}).status, 0);
    ASSERT_EQ(Run({"--open", "small.tga", "--export", "eight.pgm"}).status, 0);
    ASSERT_EQ(Run({"--import", "sixteen.pgm", "--export", "sixteen.png"}).status, 0);
    ASSERT_EQ(Run({"--open", "small.tga", "--export", "eight.png"}).status, 0);
    const std::pair<std::vector<std::string>, std::string> fields[] = {
        {{"--open", "small.tga"}, "out.tga"},
        {{"--new", "5x3", "--select", "0,0 4,0 0,2", "--area", "inside", "--fill", "40"}, "out.tga"},
        {{"--open", "small.ppm"}, "out.ppm"},
        {{"--import", "sixteen.pgm"}, "out.ppm"},
        {{"--open", "eight.pgm"}, "out.tga"},
        {{"--import", "sixteen.png"}, "out.ppm"},
        {{"--open", "eight.png"}, "out.tga"},
        {{"--new", "5x3:16", "--seed", "2", "--rough", "middle:9000", "--expand"}, "out.ppm"},
    };
    const std::vector<std::string> edits[] = {
        {"--expand"}, {"--inverse", "--flip", "lr", "--seed", "3", "--rough", "up:30"},
        {"--inc", "9", "--expand", "--clip", "200", "--seed", "4", "--rough", "down:7"},
        {"--smooth", "1", "--expand", "--smooth", "3", "--inverse", "--smooth", "0"},
    };
    for (const auto& [field, ownFormat] : fields) {
        for (const std::vector<std::string>& edit : edits) {
            for (const std::string& name : {ownFormat, std::string("out.pgm"), std::string("out.png")}) {
                std::vector<std::string> straight = field, held = field;
                held.push_back("--keep");
                for (auto* steps : {&straight, &held}) steps->insert(steps->end(), edit.begin(), edit.end());
                straight.insert(straight.end(), {"--save", "a." + name});
                held.insert(held.end(), {"--keep", "--save", "b." + name});
                ASSERT_EQ(Run(straight).status, 0) << name;
                ASSERT_EQ(Run(held).status, 0) << name;
                EXPECT_EQ(ReadBytes(dir / ("a." + name)), ReadBytes(dir / ("b." + name))) << name << " " << edit[0];
            }
        }
    }
    // A step that fails on its value stops the run before the write, as it always did.
    CliRun wrong = Run({"--import", "sixteen.pgm", "--inc", "none", "--export", "wrong.pgm"});
    EXPECT_EQ(wrong.err, "Value Wrong!!\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "wrong.pgm"));
    EXPECT_EQ(Run({"--import", "sixteen.pgm", "--flip", "lr", "--save", "wrong.tga"}).err, "Wrong File type!!!\n");
    CliRun refused = Run({"--new", "65535x1", "--expand", "--export", "wide.pgm"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Field too large to expand\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "wide.pgm"));
}
