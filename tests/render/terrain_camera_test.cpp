#include <gtest/gtest.h>

#include <cmath>

#include "render/terrain_camera.h"

namespace {

void ExpectNear(Vec3 a, Vec3 b) {
    EXPECT_NEAR(a.x, b.x, 1e-9);
    EXPECT_NEAR(a.y, b.y, 1e-9);
    EXPECT_NEAR(a.z, b.z, 1e-9);
}

TEST(TerrainCamera, TextReadsBackAndMalformedTextIsRefused) {
    std::optional<TerrainCamera> camera = ParseCamera("199.5,830,440:199.5,199.5,50:40");
    ASSERT_TRUE(camera);
    ExpectNear(camera->location, {199.5, 830, 440});
    ExpectNear(camera->lookAt, {199.5, 199.5, 50});
    EXPECT_EQ(camera->angle, 40);
    std::optional<TerrainCamera> again = ParseCamera(CameraText(*camera));
    ASSERT_TRUE(again);
    ExpectNear(again->location, camera->location);
    for (const char* bad : {"", "1,2,3:4,5,6", "1,2,3:1,2,3:40", "1,2:4,5,6:40", "1,2,3:4,5,6:0", "1,2,3:4,5,6:171",
                            "1,2,3:4,5,6:40x", "1,2,3:4,5, 6:40", "1,2,3,4:4,5,6:40", "1,2,nan:4,5,6:40"}) {
        EXPECT_FALSE(ParseCamera(bad)) << bad;
    }
}

// The default camera stands south of the field's middle, looking down on its middle.
TEST(TerrainCamera, DefaultLooksAtTheMiddleFromBeyondTheBottomEdge) {
    const TerrainCamera camera = DefaultCamera({401, 201, 10, 110});
    ExpectNear(camera.lookAt, {200, 100, 60});
    EXPECT_NEAR(camera.location.x, 200, 1e-9);
    EXPECT_GT(camera.location.y, 200);
    EXPECT_GT(camera.location.z, 110);
    const Vec3 view = camera.lookAt - camera.location;
    EXPECT_NEAR(std::atan2(-view.z, -view.y) * 180 / 3.141592653589793, 30, 1e-9);
    EXPECT_EQ(camera.angle, 40);
    // A single position still gives a camera away from the point it looks at.
    const TerrainCamera point = DefaultCamera({1, 1, 0, 0});
    EXPECT_GT(Length(point.location - point.lookAt), 0);
}

// Orbit and dolly keep the point looked at and move the camera around or towards it;
// pan moves both over the ground.
TEST(TerrainCamera, OrbitPanAndDollyMoveAsTheEditorsHandsDo) {
    const TerrainCamera camera{{0, 100, 100}, {0, 0, 0}, 40};
    const double distance = Length(camera.location - camera.lookAt);
    const TerrainCamera turned = Orbit(camera, 90, 0);
    ExpectNear(turned.lookAt, camera.lookAt);
    EXPECT_NEAR(Length(turned.location - turned.lookAt), distance, 1e-9);
    EXPECT_NEAR(turned.location.x, 100, 1e-9);  // gone round to the camera's right
    EXPECT_NEAR(turned.location.z, 100, 1e-9);
    const TerrainCamera above = Orbit(camera, 0, 80);
    EXPECT_NEAR(std::atan2(above.location.z, above.location.y) * 180 / 3.141592653589793, 89.5, 1e-9);
    const TerrainCamera closer = Dolly(camera, 0.5);
    ExpectNear(closer.location, {0, 50, 50});
    const TerrainCamera moved = Pan(camera, 0.1, 0.2);
    const Vec3 shift = moved.lookAt - camera.lookAt;
    ExpectNear(moved.location - camera.location, shift);
    EXPECT_NEAR(shift.x, 0.1 * distance, 1e-9);   // to the right of a camera looking north
    EXPECT_NEAR(shift.y, -0.2 * distance, 1e-9);  // and ahead
    EXPECT_NEAR(shift.z, 0, 1e-9);
}

}  // namespace
