#include <gtest/gtest.h>

#include "core/palette.h"
#include "run_cli.h"
#include "test_png.h"

namespace {

class InterchangeSteps : public ::testing::Test {
protected:
    CliRun Run(const std::vector<std::string>& arguments) { return RunCli(dir, arguments); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir / name); }

    ScratchDir dir;
};

struct FieldSteps {
    std::string name;
    std::string rawSize;  // for RAW files of fields that are not square
    std::vector<std::string> steps;
};

// Fields of each kind with varied values.
const std::vector<FieldSteps> kFields = {
    {"8-bit terrain", "", {"--open", KNOLL_SOURCE_DIR "/demo/Intro.tga"}},
    {"16-bit terrain", "96x64", {"--new", "96x64:16", "--fill", "30000", "--seed", "4", "--rough", "middle:30000"}},
    {"8-bit 1x1", "", {"--new", "1x1", "--fill", "200"}},
    {"16-bit 1x1", "", {"--new", "1x1:16", "--fill", "65535"}},
    {"8-bit 8192x1", "", {"--new", "8192x1", "--fill", "120", "--seed", "2", "--rough", "middle:120"}},
    {"16-bit 8192x1", "8192x1", {"--new", "8192x1:16", "--fill", "30000", "--seed", "2", "--rough", "middle:30000"}},
};

TEST_F(InterchangeSteps, ExportThenImportGivesTheSameDumpInEveryFormat) {
    for (const FieldSteps& field : kFields) {
        std::vector<std::string> formats = {"png", "pgm"};
        if (field.name.rfind("16", 0) == 0) formats.insert(formats.end(), {"r16", "raw"});
        for (const std::string& format : formats) {
            std::vector<std::string> arguments = field.steps;
            arguments.insert(arguments.end(), {"--dump", "before", "--export", "field." + format, "--new", "3x3"});
            if (format[0] == 'r' && !field.rawSize.empty()) arguments.insert(arguments.end(), {"--raw-size", field.rawSize});
            arguments.insert(arguments.end(), {"--import", "field." + format, "--dump", "after"});
            CliRun run = Run(arguments);
            ASSERT_EQ(run.status, 0) << field.name << " " << format << ": " << run.err;
            EXPECT_EQ(ReadBytes(dir / "after"), ReadBytes(dir / "before")) << field.name << " as " << format;
        }
    }
}

TEST_F(InterchangeSteps, EightBitImportPaintsThroughThePaletteAndKeepsEveryValue) {
    WriteBytes(dir / "ramp.pgm", {'P', '5', ' ', '3', ' ', '1', ' ', '2', '5', '5', '\n', 17, 245, 255});
    CliRun run = Run({"--import", "ramp.pgm", "--dump", "-", "--dump-pixels", "-"});
    // 245 shares its palette colour with 255; the value must still read back as 245.
    char first[8];
    std::snprintf(first, sizeof first, "%06x", unsigned(DefaultPalette()[17].Pixel()));
    EXPECT_EQ(run.out, "3 1 8\n17 245 255\n3 1 8\n" + std::string(first) + " f5efef ffefef\n");
}

TEST_F(InterchangeSteps, ImportDropsTheSelectionAndCommits) {
    WriteBytes(dir / "two.pgm", {'P', '5', ' ', '2', ' ', '1', ' ', '9', '\n', 4, 6});
    // Were the selection kept, the inside fill would reach both positions.
    CliRun run = Run({"--import", "two.pgm", "--select", "0,0 1,0 0,0", "--import", "two.pgm", "--area",
                      "inside", "--fill", "5", "--dump", "-"});
    EXPECT_EQ(run.out, "2 1 8\n4 6\n");
    run = Run({"--import", "two.pgm", "--fill", "9", "--import", "two.pgm", "--fill", "7", "--undo", "--dump", "-"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 1 8\n4 6\n");
}

TEST_F(InterchangeSteps, ExportWritesMissingValuesAsZeroAndSaysHowMany) {
    CliRun run = Run({"--new", "3x2:16", "--export", "holes.r16", "--import", "holes.r16", "--raw-size", "3x2",
                      "--export", "holes.pgm", "--dump", "-"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "holes.r16: 6 positions without a value written as 0\n"
              "holes.r16: the RAW file's 6 samples make no square field; give its size with --raw-size WxH first\n");
    run = Run({"--new", "3x2:16", "--raw-size", "3x2", "--export", "holes.r16", "--import", "holes.r16", "--dump", "-"});
    EXPECT_EQ(run.out, "3 2 16\n0 0 0\n0 0 0\n");
    // A prime number of samples makes no field a size could give.
    WriteBytes(dir / "prime.r16", std::vector<uint8_t>(2 * 65537));
    EXPECT_EQ(Run({"--import", "prime.r16"}).err,
              "prime.r16: the RAW file's 65537 samples make no square field, nor any other within a field's bounds\n");
}

TEST_F(InterchangeSteps, FailuresWriteNothingAndStopTheRun) {
    CliRun run = Run({"--new", "2x2", "--export", "eight.r16", "--info"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "eight.r16: RAW files hold 16-bit fields only; convert with --to-ppm first\n");
    EXPECT_EQ(Run({"--new", "2x2", "--export", "map.bmp"}).status, 1);
    EXPECT_EQ(Run({"--new", "2x2", "--export", "map.asc"}).status, 1);
    EXPECT_EQ(Run({"--import", "absent.png"}).err, "absent.png: cannot open the file\n");
    EXPECT_EQ(Run({"--pov", "scene.pov"}).status, 1);
    EXPECT_EQ(Run({"--new", "2x2:16", "--export", "f.r16", "--pov", "scene.pov"}).status, 1);
    EXPECT_EQ(dir.EntryCount(), 1u);  // f.r16, and no scene beside it
}

// A name can add nothing to the scene's language: quotes are escaped, control
// characters refused.
TEST_F(InterchangeSteps, SceneNamesAreEscapedAndControlCharactersRefused) {
    std::filesystem::create_directory(dir / "odd\"name\\");
    ASSERT_EQ(Run({"--new", "4x4:16", "--export", "odd\"name\\/f.png", "--pov", "scene.pov"}).status, 0);
    std::vector<uint8_t> scene = ReadBytes(dir / "scene.pov");
    EXPECT_NE(std::string(scene.begin(), scene.end()).find("png \"odd\\\"name\\\\/f.png\""), std::string::npos);

    std::string folder = "a\n#debug \"run\"\n";
    std::filesystem::create_directory(dir / folder);
    CliRun run = Run({"--new", "4x4:16", "--export", folder + "/f.png", "--pov", "bad.pov"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("control character"), std::string::npos);
    EXPECT_FALSE(Exists("bad.pov"));
}

TEST_F(InterchangeSteps, OpenAndSaveGoByTheNamesFormatAndCommit) {
    ASSERT_EQ(Run({"--new", "4x2:16", "--fill", "40000", "--export", "field.png"}).status, 0);
    ASSERT_EQ(Run({"--import", "field.png", "--inc", "7", "--export", "exported.pgm"}).status, 0);
    CliRun run = Run({"--open", "field.png", "--inc", "7", "--save", "saved.pgm", "--undo", "--dump", "-"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "4 2 16\n40007 40007 40007 40007\n40007 40007 40007 40007\n");
    EXPECT_EQ(ReadBytes(dir / "saved.pgm"), ReadBytes(dir / "exported.pgm"));

    run = Run({"--new", "2x2", "--save", "eight.r16"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "RAW files hold 16-bit fields only!!\n\nCovert to PPM first.\n");
    EXPECT_FALSE(Exists("eight.r16"));
}

TEST_F(InterchangeSteps, MalformedArgumentsAreUsageErrors) {
    for (std::vector<std::string> arguments : std::vector<std::vector<std::string>>{
             {"--export", "--info"}, {"--import", "--new"}, {"--hillshade", "--seams"},
             {"--raw-size", "0x5"}, {"--raw-size", "100000x1"}, {"--light", "315"}, {"--light", "400,45"},
             {"--light", "315,95"}, {"--zfactor", "0"}, {"--zfactor", "two"},
             {"--zfactor", "1e21"}, {"--zfactor", "0x10"}, {"--light", "0x1,45"}, {"--zfactor", "inf"}, {"--zfactor", "nan"}, {"--light", "nan,45"}, {"--seams-max", "-1"},
             {"--seams-max", "1.5"}, {"--render", "--info"}, {"--render-size", "640"}, {"--render-size", "0x480"},
             {"--render-size", "9000x9000"}, {"--camera", "1,2,3:4,5,6"}, {"--camera", "1,2,3:1,2,3:40"},
             {"--camera", "1,2,3:4,5,6:180"}, {"--camera", "0x1,2,3:4,5,6:40"}}) {
        CliRun run = Run(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0] << " " << arguments[1];
    }
}

TEST_F(InterchangeSteps, SeamsCompareOppositeEdgesAndFailBeyondTheLimit) {
    WriteBytes(dir / "tile.pgm", {'P', '5', ' ', '3', ' ', '3', ' ', '9', '\n', 1, 5, 2, 4, 0, 4, 2, 9, 1});
    CliRun run = Run({"--import", "tile.pgm", "--seams"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "seams left-right max=1 mean=0.667 top-bottom max=4 mean=2.000\n");
    run = Run({"--import", "tile.pgm", "--seams-max", "4", "--seams", "--seams-max", "3", "--seams", "--info"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Edges differ by up to 4, beyond 3\n");
    EXPECT_EQ(Run({"--new", "2x2", "--seams"}).out, "seams left-right max=- mean=- top-bottom max=- mean=-\n");
}

// The scene stands in the field's units, its height spread over the values the field
// has, and looks through the camera --render uses; its comments are whole sentences.
TEST_F(InterchangeSteps, SceneFitsTheDataAndTakesTheRenderCamera) {
    ASSERT_EQ(Run({"--new", "400x200:16", "--fill", "236", "--select", "100,50 300,50 200,150", "--area", "inside",
                   "--fill", "1076", "--export", "metres.png", "--pov", "fitted.pov", "--zfactor", "0.5",
                   "--camera", "10,500,900:199.5,99.5,300:35", "--pov", "given.pov"})
                  .status,
              0);
    auto scene = [&](const std::string& name) {
        std::vector<uint8_t> bytes = ReadBytes(dir / name);
        return std::string(bytes.begin(), bytes.end());
    };
    const std::string fitted = scene("fitted.pov"), given = scene("given.pov");
    // 236 to 1076 rise a quarter of the longer side, 100 positions.
    EXPECT_NE(fitted.find("scale <399, " + std::to_string(int(65536 * 100.0 / 840)) + "."), std::string::npos) << fitted;
    EXPECT_NE(fitted.find("translate <0, 0, -199>"), std::string::npos);
    EXPECT_NE(fitted.find("look_at <199.5, 78.09"), std::string::npos) << fitted;
    EXPECT_NE(given.find("location <10, 900, -500>"), std::string::npos) << given;
    EXPECT_NE(given.find("angle 35\n  look_at <199.5, 300, -99.5>"), std::string::npos) << given;
    EXPECT_NE(given.find("scale <399, 32768, 199>"), std::string::npos) << given;
    for (size_t at = fitted.find("//"); at != std::string::npos; at = fitted.find("//", at + 1)) {
        const size_t end = fitted.find('\n', at);
        EXPECT_TRUE(fitted[end - 1] == '.' || fitted[end - 1] == ',') << fitted.substr(at, end - at);
    }

    // An elevation model in metres, 30 metres a position: its heights stand in their true
    // proportion, one step of the mapped values 199.5 / 65535 metres.
    const std::string grid = "ncols 4\nnrows 3\nxllcorner 0\nyllcorner 0\ncellsize 30\nNODATA_value -9999\n"
                             "100.5 200 300 150\n120 180.25 260 140\n110 130 170 190\n";
    WriteBytes(dir / "dem.asc", std::vector<uint8_t>(grid.begin(), grid.end()));
    ASSERT_EQ(Run({"--open", "dem.asc", "--export", "dem.png", "--pov", "dem.pov"}).status, 0);
    const std::string dem = scene("dem.pov");
    const size_t times = dem.find("each value times ");
    ASSERT_NE(times, std::string::npos) << dem;
    EXPECT_NEAR(std::stod(dem.substr(times + 17)), 199.5 / 65535 / 30, 1e-12);
}

// A picture of the size asked for, to a file or standard output.
TEST_F(InterchangeSteps, RenderDrawsThePictureAtItsSize) {
    CliRun run = Run({"--new", "60x40:16", "--fill", "1000", "--seed", "3", "--rough", "middle:900", "--render",
                      "default.png", "--render-size", "120x90", "--render", "small.png", "--camera",
                      "30,80,900:29.5,19.5,1000:50", "--render", "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    WriteBytes(dir / "out.png", std::vector<uint8_t>(run.out.begin(), run.out.end()));
    RgbaImage standard = ReadRgba(dir / "default.png"), small = ReadRgba(dir / "small.png"), out = ReadRgba(dir / "out.png");
    EXPECT_EQ(standard.width, 800);
    EXPECT_EQ(standard.height, 600);
    EXPECT_EQ(small.width, 120);
    EXPECT_EQ(out.height, 90);
    EXPECT_NE(small.pixels, out.pixels);
}

}  // namespace
