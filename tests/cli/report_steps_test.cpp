#include <gtest/gtest.h>

#include <png.h>

#include "core/palette.h"
#include "run_cli.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    uint32_t Pixel(int x, int y) const {
        const uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
        return p[0] | p[1] << 8 | p[2] << 16;
    }
};

Picture ReadPng(const std::string& path) {
    Picture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
    image.format = PNG_FORMAT_RGB;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) {
        picture.width = int(image.width);
        picture.height = int(image.height);
    }
    return picture;
}

class ReportSteps : public ::testing::Test {
protected:
    CliRun Run(const std::vector<std::string>& arguments) { return RunCli(dir, arguments); }
    ScratchDir dir;
};

TEST_F(ReportSteps, InfoCountsPositionsWithAndWithoutValue) {
    std::vector<uint8_t> ppm;
    AppendText(ppm, "P6 3 1 255\n");
    ppm.insert(ppm.end(), {0x01, 0x02, 0xFF, 0xFF, 0xFF, 0, 0x00, 0x05, 0});
    WriteBytes(dir / "a.ppm", ppm);
    // Pixel 1 takes the 0xFF blue byte before it and so reads as white: no value.
    EXPECT_EQ(Run({"--open", "a.ppm", "--info"}).out, "width=3 height=1 kind=16 min=5 max=258 novalue=1\n");
    EXPECT_EQ(Run({"--new", "5x2:16", "--info"}).out, "width=5 height=2 kind=16 min=- max=- novalue=10\n");
}

TEST_F(ReportSteps, DumpWritesValuesOrStoredColoursToAFile) {
    EXPECT_EQ(Run({"--new", "2x3", "--dump", "values.txt", "--dump-pixels", "pixels.txt"}).status, 0);
    std::vector<uint8_t> values = ReadBytes(dir / "values.txt");
    EXPECT_EQ(std::string(values.begin(), values.end()), "2 3 8\n-1 -1\n-1 -1\n-1 -1\n");
    std::vector<uint8_t> pixels = ReadBytes(dir / "pixels.txt");
    EXPECT_EQ(std::string(pixels.begin(), pixels.end()), "2 3 8\nffffff ffffff\nffffff ffffff\nffffff ffffff\n");
}

TEST_F(ReportSteps, DumpIntoAMissingFolderFails) {
    CliRun run = Run({"--dump", "no/such/dump.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no/such/dump.txt"), std::string::npos);
}

TEST_F(ReportSteps, PreviewShowsTheWorkingImage) {
    std::vector<uint8_t> tga = {0, 1, 1, 0, 0, 0, 1, 24, 0, 0, 0, 0, 2, 0, 1, 0, 8, 0x20};
    tga.resize(18 + 768);
    tga.insert(tga.end(), {17, 100});
    WriteBytes(dir / "two.tga", tga);
    ASSERT_EQ(Run({"--open", "two.tga", "--preview", "two.png"}).status, 0);
    Picture eight = ReadPng(dir / "two.png");
    ASSERT_EQ(eight.width, 2);
    ASSERT_EQ(eight.height, 1);
    EXPECT_EQ(eight.Pixel(0, 0), DefaultPalette()[17].Pixel());
    EXPECT_EQ(eight.Pixel(1, 0), DefaultPalette()[100].Pixel());

    std::vector<uint8_t> ppm;
    AppendText(ppm, "P6 2 1 255\n");
    ppm.insert(ppm.end(), {0x12, 0x34, 0, 0x56, 0x78, 0});
    WriteBytes(dir / "two.ppm", ppm);
    ASSERT_EQ(Run({"--open", "two.ppm", "--preview", "wide.png"}).status, 0);
    Picture sixteen = ReadPng(dir / "wide.png");
    ASSERT_EQ(sixteen.width, 2);
    EXPECT_EQ(sixteen.Pixel(0, 0), 0x0A1234u);  // raw encoding: red low byte, green high byte
    EXPECT_EQ(sixteen.Pixel(1, 0), 0x005678u);
}

TEST_F(ReportSteps, PreviewOfTheDemoHasItsSize) {
    std::string demo = std::string(KNOLL_SOURCE_DIR) + "/demo/Intro.tga";
    CliRun run = Run({"--open", demo, "--info", "--preview", "intro.png"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("width=400 height=400 kind=8 ", 0), 0u);
    EXPECT_NE(run.out.find("novalue=0"), std::string::npos);
    Picture picture = ReadPng(dir / "intro.png");
    EXPECT_EQ(picture.width, 400);
    EXPECT_EQ(picture.height, 400);
}

TEST_F(ReportSteps, FailedPreviewKeepsTheOldFile) {
    WriteBytes(dir / "old.png", {'o', 'l', 'd'});
    EXPECT_EQ(Run({"--preview", "missing/new.png"}).status, 1);
    EXPECT_EQ(ReadBytes(dir / "old.png"), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

}  // namespace

// --view takes the View menu's choices for later previews, --preview-size a fitted
// scale; the plain 1:1 preview stays the working image.
TEST_F(ReportSteps, PreviewTakesTheViewChoicesAndAFittedSize) {
    EXPECT_EQ(Run({"--view", "heights,bogus"}).status, 2);
    EXPECT_EQ(Run({"--view", ""}).status, 2);
    EXPECT_EQ(Run({"--preview-size", "0x5"}).status, 2);
    ASSERT_EQ(Run({"--new", "4x2:16", "--fill", "300", "--select", "0,0 1,0 1,2 0,2", "--area", "inside", "--fill",
                   "100", "--view", "heights", "--preview", "heights.png", "--view", "plain", "--preview",
                   "plain.png", "--preview-size", "2x2", "--preview", "half.png"})
                  .status,
              0);
    Picture heights = ReadPng(dir / "heights.png");
    ASSERT_EQ(heights.width, 4);
    EXPECT_EQ(heights.Pixel(0, 0), DefaultPalette()[0].Pixel());
    EXPECT_EQ(heights.Pixel(3, 1), DefaultPalette()[255].Pixel());
    EXPECT_EQ(ReadPng(dir / "plain.png").Pixel(3, 1), 300u);
    // 4 x 2 into 2 x 2: 1:2, each pixel the mean of two by two positions.
    Picture half = ReadPng(dir / "half.png");
    ASSERT_EQ(half.width, 2);
    ASSERT_EQ(half.height, 1);
    EXPECT_EQ(half.Pixel(0, 0), 100u);
    EXPECT_EQ(half.Pixel(1, 0), 300u);
}
