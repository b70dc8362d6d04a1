#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/picture_lines.h"

namespace {

struct Shot {
    const char* what;
    TerrainCamera camera;
};

// The lines draw every pixel of the picture exactly once, wherever the point lies where
// they meet: far below (a level camera), below the picture, inside it (looking straight
// down and steeply down), above it (looking up).
TEST(PictureLines, DrawEveryPixelOnceWithItsRaysRisingAlongEachLine) {
    const std::vector<Shot> shots = {
        {"level", {{100, 500, 50}, {100, 100, 50}, 40}},
        {"looking down", {{100, 500, 300}, {100, 100, 0}, 40}},
        {"straight down", {{100, 100, 500}, {100, 100, 0}, 60}},
        {"steeply down, turned", {{20, 30, 500}, {120, 90, 0}, 70}},
        {"looking up", {{100, 500, 0}, {100, 100, 300}, 50}},
    };
    for (const Shot& shot : shots) {
        for (auto [width, height] : {std::pair{64, 48}, std::pair{33, 71}}) {
            const CameraView view(shot.camera, width, height);
            const PictureLines lines(view);
            std::vector<int> drawn(size_t(width) * height);
            std::vector<LinePixel> pixels;
            for (int line = 0; line < lines.Count(); ++line) {
                lines.Pixels(line, pixels);
                for (size_t i = 0; i < pixels.size(); ++i) {
                    drawn[size_t(pixels[i].index)]++;
                    // Within the width of a pixel, the line's rays rise one after another.
                    if (i > 0) {
                        EXPECT_GE(std::atan(pixels[i].slope), std::atan(pixels[i - 1].slope) - 0.02) << shot.what;
                    }
                }
            }
            for (size_t i = 0; i < drawn.size(); ++i) {
                ASSERT_EQ(drawn[i], 1) << shot.what << " " << width << "x" << height << " pixel " << i;
            }
        }
    }
}

}  // namespace
