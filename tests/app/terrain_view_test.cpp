#include <gtest/gtest.h>

#include "editor_session.h"
#include "ops/value_operations.h"
#include "render/terrain_camera.h"
#include "run_cli.h"
#include "test_png.h"

namespace {

// The 3D view's picture as it rests, and the same field drawn by knollwork-cli --render
// at the view's size with the given extra steps.
class TerrainViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.CopyDemo();
        ASSERT_EQ(session.Start({"Intro.tga"}), 0);
        session.Pump();
        session.Command(cmdTerrainView);
    }

    KnollTerrainView& View() { return session.Window().TerrainView(); }
    // Pumps, then lets the camera and the field rest, so the picture is drawn at full size.
    void Rest() {
        session.Pump();
        session.platform.AdvanceClock(KnollTerrainView::kRestMs);
        session.Pump();
    }
    std::vector<uint32_t> Pixels() {
        const Raster& picture = View().Surface();
        return std::vector<uint32_t>(picture.Data(), picture.Data() + size_t(picture.Width()) * picture.Height());
    }
    // The view's camera and vertical scale as steps, digit for digit.
    std::vector<std::string> ShotSteps() {
        char scale[32];
        std::snprintf(scale, sizeof scale, "%.17g", View().Shot().verticalScale);
        return {"--camera", CameraText(View().Shot().camera), "--zfactor", scale};
    }
    std::vector<uint32_t> Rendered(std::vector<std::string> steps) {
        const Raster& picture = View().Surface();
        steps.insert(steps.begin(), {"--open", session.Path("Intro.tga")});
        steps.insert(steps.end(), {"--render-size", std::to_string(picture.Width()) + "x" +
                                                        std::to_string(picture.Height()),
                                   "--render", "render.png"});
        EXPECT_EQ(RunCli(scratch, steps).status, 0);
        RgbaImage image = ReadRgba(scratch / "render.png");
        std::vector<uint32_t> pixels;
        for (size_t at = 0; at < image.pixels.size(); at += 4) {
            pixels.push_back(image.pixels[at] | image.pixels[at + 1] << 8 | image.pixels[at + 2] << 16);
        }
        return pixels;
    }

    EditorSession session{1200, 700};
    ScratchDir scratch;
};

// View > "3D View" shows the field in perspective at the map's right, checked in the
// menu, pixel for pixel what --render draws for the same field, camera and size; again
// it hides the view and the map has the window back.
TEST_F(TerrainViewTest, ShowsTheFieldBesideTheMapAsRenderDrawsIt) {
    const vRect map = session.Window().Canvas().Bounds(), view = View().Bounds();
    ASSERT_TRUE(View().IsShown());
    EXPECT_TRUE(session.Window().Menu().Model().FindItem(cmdTerrainView)->checked);
    EXPECT_GE(view.x, map.x + map.w);
    EXPECT_GE(view.w, 2 * map.w);
    EXPECT_EQ(view.x + view.w, session.Window().ClientRect().x + session.Window().ClientRect().w);
    Rest();
    EXPECT_EQ(Pixels(), Rendered({}));
    const char* camera = "100,600,300:200,200,50:45";
    View().SetCamera(*ParseCamera(camera));
    Rest();
    EXPECT_EQ(Pixels(), Rendered({"--camera", camera}));

    // A 16-bit field in Height Colours and Relief: the view and --view heights,relief
    // spread the same range and shade alike; each toggle shows. Both fit the vertical scale
    // to the converted values (--zfactor would steepen the relief too).
    session.Command(cmdToPpm);
    session.Command(cmdHeightColours);
    session.Command(cmdRelief);
    Rest();
    std::vector<uint32_t> shown = Pixels();
    EXPECT_EQ(shown, Rendered({"--to-ppm", "--view", "heights,relief", "--camera", CameraText(View().Shot().camera)}));
    for (int toggle : {cmdRelief, cmdHeightColours}) {
        session.Command(toggle);
        Rest();
        EXPECT_NE(Pixels(), shown) << toggle;
        shown = Pixels();
    }

    session.Command(cmdTerrainView);
    EXPECT_FALSE(View().IsShown());
    EXPECT_FALSE(session.Window().Menu().Model().FindItem(cmdTerrainView)->checked);
    EXPECT_GT(session.Window().Canvas().Bounds().w, view.x);
}

// A drag turns the camera around the point it looks at, a drag with the right button
// or with Shift moves both, the wheel comes closer; once the view was clicked the keys
// do the same and Home goes back to the start.
TEST_F(TerrainViewTest, HandsAndKeysMoveTheCamera) {
    Rest();
    const TerrainCamera start = View().Shot().camera;
    const vRect view = View().Bounds();
    const int x = view.x + view.w / 2, y = view.y + view.h / 2;
    auto distance = [](const TerrainCamera& c) { return Length(c.location - c.lookAt); };
    session.platform.QueueDrag(x, y, x + 100, y);
    session.Pump();
    TerrainCamera turned = View().Shot().camera;
    EXPECT_NEAR(distance(turned), distance(start), 1e-6);
    EXPECT_NEAR(Length(turned.lookAt - start.lookAt), 0, 1e-9);
    EXPECT_GT(Length(turned.location - start.location), distance(start) / 4);

    session.platform.QueueDrag(x, y, x, y + 50, 3);
    session.Pump();
    const TerrainCamera panned = View().Shot().camera;
    EXPECT_GT(Length(panned.lookAt - turned.lookAt), 1);
    EXPECT_NEAR(panned.lookAt.z, turned.lookAt.z, 1e-9);

    session.platform.QueueWheel(x, y, 0, 2);
    session.Pump();
    EXPECT_NEAR(distance(View().Shot().camera), distance(panned) * 0.85 * 0.85, 1e-6);

    const size_t warps = session.platform.Warps().size();
    session.platform.QueueKey(vKeyLeft);
    session.platform.QueueKey(vKeyPageUp);
    session.Pump();
    EXPECT_EQ(session.platform.Warps().size(), warps);  // the arrow went to the view, not the pointer
    EXPECT_NEAR(distance(View().Shot().camera), distance(panned) * 0.85 * 0.85 * 0.85, 1e-6);
    session.platform.QueueKey(vKeyHome);
    session.Pump();
    EXPECT_NEAR(Length(View().Shot().camera.location - start.location), 0, 1e-9);

    // A click on the map gives the arrows back to the pointer.
    const vRect map = session.Window().Canvas().Bounds();
    session.platform.QueueClick(map.x + 10, map.y + 10);
    session.platform.QueueKey(vKeyLeft);
    session.Pump();
    EXPECT_EQ(session.platform.Warps().size(), warps + 1);
}

// An operation shows in the view at once, roughly, and at full size once the field
// rests, the camera and the vertical scale as they were; so does the chosen area's
// outline.
TEST_F(TerrainViewTest, FollowsTheFieldAndItsChosenArea) {
    Rest();
    const std::vector<uint32_t> before = Pixels();
    InvertValues(session.Window().Document().field(), 0);
    session.Pump();
    const std::vector<uint32_t> rough = Pixels();
    EXPECT_NE(rough, before);
    session.platform.AdvanceClock(KnollTerrainView::kRestMs);
    session.Pump();
    EXPECT_NE(Pixels(), rough);
    std::vector<std::string> steps = {"--inverse"};
    for (const std::string& step : ShotSteps()) steps.push_back(step);
    EXPECT_EQ(Pixels(), Rendered(steps));

    session.Command(cmdSelect);
    const vRect map = session.Window().Canvas().Bounds();
    for (auto [px, py] : {std::pair{50, 50}, std::pair{250, 60}, std::pair{200, 250}}) {
        session.platform.QueueClick(map.x + px, map.y + py);
    }
    session.platform.QueueClick(map.x + 100, map.y + 100, 3);
    Rest();
    steps.insert(steps.begin() + 1, {"--select", "50,50 250,60 200,250"});
    EXPECT_EQ(Pixels(), Rendered(steps));
    const std::vector<uint32_t> outlined = Pixels();
    EXPECT_GT(std::count(outlined.begin(), outlined.end(), 0xFFFEFFu), 100);
}

}  // namespace
