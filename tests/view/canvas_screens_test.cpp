#include <gtest/gtest.h>

#include <string>

#include "canvas_fixture.h"
#include "core/field_file.h"
#include "core/palette_file.h"
#include "core/tga.h"

// The demo field as a user first sees it, with its legend, in 16 bits and with a chosen
// polygon. Each screen is also written as a PNG beside the test, to be looked at.

namespace {

const std::string kDemo = std::string(KNOLL_SOURCE_DIR) + "/demo/";

class DemoCanvas : public CanvasFixture {
public:
    DemoCanvas() : CanvasFixture(900, 700) {
        std::string directory;
        Palette palette = DefaultPalette();
        EXPECT_EQ(LoadPaletteFile((kDemo + "Std.pal").c_str(), palette, directory), kPaletteLoaded);
        document.field().SetPalette(palette);
        EXPECT_EQ(LoadTga(document.field(), (kDemo + "Intro.tga").c_str()), kLoadDone);
        document.field().SetKind(kEightBitField);
        document.Commit();
        canvas.UpdateScrollBars();
        Pump();
    }

    // The frame as presented, written as name.png.
    void Keep(const std::string& name) {
        Pump();
        EXPECT_TRUE(platform().WriteFramePng(name + ".png"));
    }
    // Select on, the vertices clicked on the pane, closed with the right button.
    void ClosePolygon(std::initializer_list<vPoint> vertices) {
        canvas.SetSelectMode(1);
        for (vPoint vertex : vertices) Click(vertex.x, vertex.y);
        Click(0, 0, 3);
    }
    // True when the frame, not only the pane, shows the working image at (x, y).
    bool Presents(int x, int y) {
        return (platform().FramePixel(X(x), Y(y)) & 0xFFFFFF) ==
               Working(x + canvas.ShownArea().x, y + canvas.ShownArea().y);
    }
};

}  // namespace

TEST(CanvasScreens, DemoFieldWithItsLegendOnEachEdge) {
    DemoCanvas f;
    EXPECT_TRUE(f.ShowsTheField());
    EXPECT_TRUE(f.Presents(200, 150));
    f.Keep("canvas_intro");
    const char* names[] = {"left", "right", "up", "down"};
    for (LegendEdge edge : {LegendEdge::Left, LegendEdge::Right, LegendEdge::Up, LegendEdge::Down}) {
        ASSERT_EQ(f.canvas.ShowPaletteLegend(edge), kLegendDrawn);
        f.Keep(std::string("canvas_intro_legend_") + names[int(edge)]);
        f.Click(f.canvas.PaneWidth() / 2, f.canvas.PaneHeight() / 2);
        EXPECT_TRUE(f.Presents(5, f.canvas.PaneHeight() / 2));
    }
}

TEST(CanvasScreens, SixteenBitFieldAndAClosedPolygon) {
    DemoCanvas f;
    f.canvas.ConvertToPpm();
    EXPECT_EQ(f.document.field().kind(), kSixteenBitField);
    f.Pump();
    EXPECT_TRUE(f.Presents(120, 90));
    f.Keep("canvas_sixteen_bit");

    f.canvas.ConvertToTga();
    f.ClosePolygon({{60, 60}, {300, 40}, {370, 200}, {220, 360}, {40, 280}});
    ASSERT_EQ(f.document.selection().state(), FieldSelection::kChosen);
    f.Keep("canvas_closed_polygon");
    EXPECT_EQ(f.platform().FramePixel(f.X(300), f.Y(40)) & 0xFFFFFF, 0xFFFEFFu);
}

TEST(CanvasScreens, AMagnifiedPolygonAndTheFieldAtOneToTwo) {
    DemoCanvas f;
    f.canvas.SetScaleAround(2, 0, 0);
    f.ClosePolygon({{60, 60}, {500, 40}, {700, 300}, {420, 560}, {40, 500}});
    ASSERT_EQ(f.document.selection().state(), FieldSelection::kChosen);
    f.Keep("canvas_magnified_polygon");
    EXPECT_EQ(f.document.selection().points()[1].x, 125);
    EXPECT_EQ(f.Shown(4 * 125 + 2, 4 * 10 + 2), 0xFFFEFFu);  // the centre of the vertex's block

    f.canvas.SetScaleAround(-1, 0, 0);
    f.Keep("canvas_one_to_two");
    EXPECT_EQ(f.Shown(250, 10), kNoValuePixel);  // beyond the field
    EXPECT_EQ(f.Shown(125 / 2, 10 / 2), 0xFFFEFFu);
}
