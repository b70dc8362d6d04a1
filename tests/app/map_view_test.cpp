// View > Height Colours and Relief: the editor's canvas shows exactly what the batch
// tool's --preview draws for the same choices, at 1:1 and fitted to the canvas.
#include <gtest/gtest.h>

#include "editor_session.h"
#include "run_cli.h"
#include "test_png.h"

namespace {

class MapView : public ::testing::Test {
protected:
    void SetUp() override {
        // Larger than the canvas, so Fit Field reduces it by a fraction.
        ASSERT_EQ(RunCli(dir, {"--new", "1100x700:16", "--fill", "20000", "--seed", "4", "--rough", "middle:9000",
                               "--smooth", "3", "--save", "terrain.ppm"})
                      .status,
                  0);
        editor.CopyDemo();
        ASSERT_EQ(editor.Start(), 0);
        editor.AnswerOpen(dir / "terrain.ppm", 1);
        editor.Command(cmdOpen);
    }

    KnollCanvasPane& Canvas() { return editor.Window().Canvas(); }
    bool Checked(int id) { return editor.Window().Menu().Model().FindItem(id)->checked; }

    // The batch tool's preview of the terrain after `steps`, pixel for pixel on the canvas
    // from the field position the canvas shows at its top-left corner.
    void ExpectCanvasShowsPreview(std::vector<std::string> steps, const char* what) {
        std::vector<std::string> arguments = {"--open", "terrain.ppm"};
        arguments.insert(arguments.end(), steps.begin(), steps.end());
        arguments.insert(arguments.end(), {"--preview", "preview.png"});
        ASSERT_EQ(RunCli(dir, arguments).status, 0) << what;
        const RgbaImage preview = ReadRgba(dir / "preview.png");
        const Raster& canvas = Canvas().Surface();
        const vRect shown = Canvas().ShownArea();
        const int scrolled = Canvas().Scale().IsActualSize() ? 1 : 0;
        const int left = shown.x * scrolled, top = shown.y * scrolled;
        const int width = std::min(preview.width - left, canvas.Width());
        const int height = std::min(preview.height - top, canvas.Height());
        ASSERT_GT(width * height, 10000) << what;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint8_t* p = &preview.pixels[(size_t(y + top) * size_t(preview.width) + size_t(x + left)) * 4];
                const uint32_t expected = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
                ASSERT_EQ(canvas.At(x, y) & 0xFFFFFF, expected) << what << " at " << x << "," << y;
            }
        }
    }
    std::string PaneSize() { return std::to_string(Canvas().PaneWidth()) + "x" + std::to_string(Canvas().PaneHeight()); }

    ScratchDir dir;
    EditorSession editor{640, 480};
};

}  // namespace

TEST_F(MapView, CanvasEqualsThePreviewAtActualSizeAndFitted) {
    EXPECT_FALSE(Checked(cmdHeightColours));
    EXPECT_FALSE(Checked(cmdRelief));
    ExpectCanvasShowsPreview({}, "plain");
    editor.Command(cmdHeightColours);
    editor.Command(cmdRelief);
    EXPECT_TRUE(Checked(cmdHeightColours));
    EXPECT_TRUE(Checked(cmdRelief));
    ExpectCanvasShowsPreview({"--view", "heights,relief"}, "both at 1:1");
    editor.Command(cmdFitField);
    ASSERT_TRUE(Canvas().Scale().IsFractional());
    ExpectCanvasShowsPreview({"--view", "heights,relief", "--preview-size", PaneSize()}, "both fitted");

    // Relief alone on the field converted to 8 bits, through the palette.
    editor.Command(cmdHeightColours);
    editor.Command(cmdToTga);
    ExpectCanvasShowsPreview({"--to-tga", "--view", "relief", "--preview-size", PaneSize()}, "relief fitted");
    editor.Command(cmdActualSize);
    ExpectCanvasShowsPreview({"--to-tga", "--view", "relief"}, "relief at 1:1");

    // Back to 16 bits with Height Colours on: the colours spread the new range.
    editor.Command(cmdHeightColours);
    editor.Command(cmdToPpm);
    editor.platform.AdvanceClock(10);
    editor.Pump();
    ExpectCanvasShowsPreview({"--to-tga", "--to-ppm", "--view", "heights,relief"}, "both after Covert to PPM");
}

// The read-out gives the field's value under the pointer, not the colour's encoding.
TEST_F(MapView, ReadOutGivesTheHeightUnderChosenColours) {
    editor.Command(cmdHeightColours);
    KnollCanvasPane& canvas = Canvas();
    canvas.OnMouseHover(30, 20);
    const int value = editor.Window().Document().field().FieldValue(30, 20);
    EXPECT_EQ(editor.StatusText(cmdHeightField), "height:" + std::to_string(value));
}
