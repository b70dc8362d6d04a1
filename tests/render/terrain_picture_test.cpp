#include <gtest/gtest.h>

#include <cmath>

#include "field_builder.h"
#include "render/picture_lines.h"
#include "render/terrain_picture.h"
#include "render/terrain_scale.h"

namespace {

// A field of w x h positions, its value f(x, y), -1 for none.
template <class Value>
void Build(HeightField& field, int kind, int width, int height, Value value) {
    Heights rows(size_t(height), std::vector<int>(size_t(width), 0));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) rows[size_t(y)][size_t(x)] = value(x, y);
    }
    SetField(field, kind, rows);
}

Raster Render(const HeightField& field, const TerrainShot& shot, int threads = 2, int width = 80, int height = 60) {
    KnollReducedField reduced;
    reduced.Update(field);
    WorkerPool workers(threads);
    Raster picture(width, height);
    RenderTerrain(field, &reduced, {shot, MapColours(field, MapChoices{})}, picture, workers);
    return picture;
}

TerrainShot LookingDown(const HeightField& field, double height) {
    TerrainShot shot;
    const Vec3 middle{(field.width() - 1) / 2.0, (field.height() - 1) / 2.0, 0};
    shot.camera = {middle + Vec3{0, 0, height}, middle, 40};
    return shot;
}

// Hills and a lake without values, seen from the side and from far: what one thread
// draws, several draw the same, pixel for pixel.
TEST(TerrainPicture, PixelsDoNotDependOnTheNumberOfThreads) {
    HeightField field;
    Build(field, kSixteenBitField, 300, 200, [](int x, int y) {
        if (std::hypot(x - 150, y - 90) < 20) return -1;
        return int(20000 + 15000 * std::sin(x / 17.0) * std::cos(y / 23.0));
    });
    WorkerPool workers;
    const TerrainShot shot = FrameTerrain(field, workers);
    TerrainShot far = shot;
    far.camera = Dolly(shot.camera, 4);
    for (const TerrainShot& s : {shot, far}) {
        const Raster one = Render(field, s, 1, 160, 120), three = Render(field, s, 3, 160, 120);
        ASSERT_EQ(std::vector<uint32_t>(one.Data(), one.Data() + 160 * 120),
                  std::vector<uint32_t>(three.Data(), three.Data() + 160 * 120));
    }
}

// Level ground takes the map's own colour; a gap of positions without a value shows the
// sky through it; where the camera sees past the field, the sky too.
TEST(TerrainPicture, LevelGroundShowsTheMapColourAndGapsShowTheSky) {
    HeightField field;
    Build(field, kEightBitField, 101, 101, [](int x, int y) { return std::abs(x - 50) < 10 && std::abs(y - 50) < 10 ? -1 : 100; });
    const Raster picture = Render(field, LookingDown(field, 150));
    EXPECT_EQ(picture.At(40, 30), SkyColour(-1e9));  // the gap in the middle, straight down
    EXPECT_EQ(picture.At(40, 5), field.palette()[100].Pixel());
    TerrainShot level = LookingDown(field, 20);
    level.camera.location = {50, 150, 130};
    level.camera.lookAt = {50, 0, 130};
    const Raster side = Render(field, level);
    EXPECT_EQ(side.At(40, 0), SkyColour(CameraView(level.camera, 80, 60).Slope(40.5, 0.5)));
    EXPECT_EQ(side.At(40, 59), field.palette()[100].Pixel());
}

// The sun lights slopes turned to it, from the north-west by default, and shades the
// others: of the two sides of a valley, the one that faces west is the brighter.
TEST(TerrainPicture, SlopesFacingTheSunAreBrighter) {
    HeightField field;
    Build(field, kEightBitField, 101, 101, [](int x, int) { return 50 + 2 * std::abs(x - 50); });
    const Raster picture = Render(field, LookingDown(field, 150));
    auto brightness = [&](int x, int y) {
        const uint32_t pixel = picture.At(x, y);
        return int(pixel & 0xFF) + int((pixel >> 8) & 0xFF) + int(pixel >> 16);
    };
    EXPECT_GT(brightness(59, 30), brightness(20, 30) + 30);
}

// The chosen area's outline is drawn on the ground where the mask changes.
TEST(TerrainPicture, TheChosenAreasOutlineIsDrawnOnTheGround) {
    HeightField field;
    Build(field, kEightBitField, 101, 101, [](int, int) { return 40; });
    auto outlined = [](const Raster& picture) {
        int count = 0;
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) count += picture.At(x, y) == 0xFFFEFF;
        }
        return count;
    };
    EXPECT_EQ(outlined(Render(field, LookingDown(field, 150))), 0);
    std::vector<std::vector<int>> inside(101, std::vector<int>(101, 0));
    for (int y = 30; y < 70; ++y) {
        for (int x = 30; x < 70; ++x) inside[size_t(y)][size_t(x)] = 1;
    }
    SetMask(field, inside);
    const Raster picture = Render(field, LookingDown(field, 150));
    EXPECT_GT(outlined(picture), 40);
    EXPECT_EQ(picture.At(40, 30), field.palette()[40].Pixel());  // inside, away from the edge
}

}  // namespace
