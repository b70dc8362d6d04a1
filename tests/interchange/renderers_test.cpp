#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "document/field_document.h"
#include "render/picture_lines.h"
#include "render/terrain_picture.h"
#include "render/terrain_scale.h"
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

// The row of each column's highest pixel that `terrain` says shows the terrain, or the
// picture's height where none does.
template <class IsTerrain>
std::vector<int> TopOfTerrain(const RgbaImage& picture, IsTerrain terrain) {
    std::vector<int> tops(size_t(picture.width), picture.height);
    for (int x = 0; x < picture.width; ++x) {
        for (int y = 0; y < picture.height && tops[size_t(x)] == picture.height; ++y) {
            if (terrain(x, y, &picture.pixels[(size_t(y) * picture.width + x) * 4])) tops[size_t(x)] = y;
        }
    }
    return tops;
}

// The scene with the terrain plain white on black.
std::string Silhouette(std::string scene) {
    const size_t texture = scene.find("  texture {"), end = scene.find("\n  }\n", texture);
    scene.replace(texture, end + 5 - texture, "  pigment { rgb 1 } finish { ambient 1 diffuse 0 }\n");
    const size_t background = scene.find("background {");
    scene.replace(background, scene.find('}', background) + 1 - background, "background { rgb 0 }");
    return scene;
}

// The terrain's outline against the sky in our picture and in POV-Ray's of the same
// scene: each column's top terrain pixel within one pixel in 99% of the columns. The
// demo field and the island at 4096 x 4096.
TEST_F(Renderers, OutlineAgreesWithPovRay) {
    if (Shell("command -v povray") != 0) GTEST_SKIP() << "POV-Ray is not installed";
    ASSERT_EQ(Shell(std::string(KNOLL_TERRAIN_MAKER) + " . 4096 Large.tga"), 0);
    for (const std::string& field : {std::string(KNOLL_SOURCE_DIR) + "/demo/Intro.tga", dir / "Large.tga"}) {
        FieldDocument document;
        ASSERT_TRUE(document.Load(field, {}).loaded) << field;
        WorkerPool workers;
        const std::string camera = CameraText(FrameTerrain(document.field(), workers).camera);
        ASSERT_EQ(Run({"--open", field, "--camera", camera, "--render-size", "640x480", "--render", "ours.png",
                       "--export", "heights.png", "--pov", "scene.pov"})
                      .status,
                  0);
        std::vector<uint8_t> scene = ReadBytes(dir / "scene.pov");
        std::string outline = Silhouette(std::string(scene.begin(), scene.end()));
        WriteBytes(dir / "outline.pov", std::vector<uint8_t>(outline.begin(), outline.end()));
        ASSERT_EQ(Shell("povray +Ioutline.pov +Otheirs.png +W640 +H480 -A +FN -D -V"), 0);
        RgbaImage ours = ReadRgba(dir / "ours.png"), theirs = ReadRgba(dir / "theirs.png");
        ASSERT_EQ(ours.width, 640);
        ASSERT_EQ(theirs.width, 640);
        const CameraView view(*ParseCamera(camera), 640, 480);
        std::vector<int> ourTops = TopOfTerrain(ours, [&](int x, int y, const uint8_t* rgba) {
            return uint32_t(rgba[0] | rgba[1] << 8 | rgba[2] << 16) != SkyColour(view.Slope(x + 0.5, y + 0.5));
        });
        std::vector<int> theirTops = TopOfTerrain(theirs, [](int, int, const uint8_t* rgba) { return rgba[0] > 128; });
        int agreeing = 0;
        for (size_t x = 0; x < ourTops.size(); ++x) agreeing += std::abs(ourTops[x] - theirTops[x]) <= 1;

        EXPECT_GE(agreeing, 640 * 99 / 100) << field;
    }
}

}  // namespace
