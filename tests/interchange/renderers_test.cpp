#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "run_cli.h"
#include "test_png.h"

namespace {

class Renderers : public ::testing::Test {
protected:
    CliRun Run(const std::vector<std::string>& arguments) { return RunCli(dir, arguments); }
    // Runs a shell command inside the scratch folder, its output discarded.
    int Shell(const std::string& command) {
        return std::system(("cd '" + dir.path() + "' && " + command + " >/dev/null 2>&1").c_str());
    }

    ScratchDir dir;
};

const std::vector<std::string> kTerrain = {"--new", "120x90:16", "--fill", "20000", "--seed", "9",
                                           "--rough", "middle:20000", "--smooth", "4"};

// The greatest grey difference over the whole picture.
int GreyDifference(const RgbaImage& ours, const RgbaImage& theirs) {
    int worst = 0;
    for (int y = 0; y < ours.height; ++y) {
        for (int x = 0; x < ours.width; ++x) {
            size_t at = (size_t(y) * ours.width + x) * 4;
            worst = std::max(worst, std::abs(ours.pixels[at] - theirs.pixels[at]));
        }
    }
    return worst;
}

TEST_F(Renderers, HillshadeAgreesWithGdaldemToTheEdges) {
    if (Shell("command -v gdaldem") != 0) GTEST_SKIP() << "gdaldem is not installed";
    std::vector<std::string> terrain = kTerrain;
    terrain.insert(terrain.end(), {"--export", "terrain.png"});
    ASSERT_EQ(Run(terrain).status, 0);
    // The world file puts the top row north, one unit a position, as the shade reads it.
    WriteBytes(dir / "terrain.pgw", {'1', '\n', '0', '\n', '0', '\n', '-', '1', '\n', '0', '\n', '0', '\n'});
    const std::vector<std::vector<std::string>> lights = {{}, {"100", "30", "3"}, {"200", "70", "0.2"}};
    for (const std::vector<std::string>& light : lights) {
        std::vector<std::string> ours = {"--import", "terrain.png"};
        std::string theirs = "gdaldem hillshade -q -compute_edges -of PNG terrain.png gdal.png";
        if (!light.empty()) {
            ours.insert(ours.end(), {"--light", light[0] + "," + light[1], "--zfactor", light[2]});
            theirs += " -az " + light[0] + " -alt " + light[1] + " -z " + light[2];
        }
        ours.insert(ours.end(), {"--hillshade", "ours.png"});
        ASSERT_EQ(Run(ours).status, 0);
        ASSERT_EQ(Shell(theirs), 0) << theirs;
        RgbaImage mine = ReadRgba(dir / "ours.png"), gdal = ReadRgba(dir / "gdal.png");
        ASSERT_EQ(mine.width, gdal.width);
        ASSERT_EQ(mine.height, gdal.height);
        EXPECT_LE(GreyDifference(mine, gdal), 1) << theirs;
    }
}

// The largest factor still shades level ground by the sun alone, without overflow.
TEST_F(Renderers, HillshadeLeavesPositionsWithoutValueTransparent) {
    ASSERT_EQ(Run({"--new", "4x3", "--select", "0,0 1,0 1,2 0,2", "--area", "inside", "--fill", "50",
                   "--zfactor", "1000000", "--hillshade", "shade.png"})
                  .status,
              0);
    RgbaImage shade = ReadRgba(dir / "shade.png");
    ASSERT_EQ(shade.width, 4);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const uint8_t* pixel = &shade.pixels[(size_t(y) * 4 + x) * 4];
            bool valued = x <= 1;
            EXPECT_EQ(pixel[3], valued ? 255 : 0) << x << "," << y;
            // Level ground at 45 degrees: 1 + 254 * sin(45).
            if (valued) {
                EXPECT_EQ(pixel[0], 181) << x << "," << y;
            }
        }
    }
}

TEST_F(Renderers, PovSceneRendersTheTerrain) {
    for (std::string file : {"terrain.png", "terrain.pgm"}) {
        std::vector<std::string> steps = kTerrain;
        steps.insert(steps.end(), {"--export", file, "--pov", "scene.pov"});
        ASSERT_EQ(Run(steps).status, 0);
        ASSERT_EQ(Shell("povray +Iscene.pov +Orender.png +W160 +H120 +FN -D -V"), 0) << file;
        RgbaImage render = ReadRgba(dir / "render.png");
        ASSERT_EQ(render.width, 160);
        ASSERT_EQ(render.height, 120);
        // The sky fills the corners; the terrain covers much of the rest in many shades.
        const uint8_t* sky = render.pixels.data();
        std::set<uint32_t> colours;
        size_t terrain = 0;
        for (size_t at = 0; at < render.pixels.size(); at += 4) {
            const uint8_t* pixel = &render.pixels[at];
            colours.insert(uint32_t(pixel[0]) | pixel[1] << 8 | pixel[2] << 16);
            terrain += !std::equal(pixel, pixel + 3, sky);
        }
        EXPECT_GT(colours.size(), 50u) << file;
        EXPECT_GT(terrain, render.pixels.size() / 4 / 5) << file;
    }
}

}  // namespace
