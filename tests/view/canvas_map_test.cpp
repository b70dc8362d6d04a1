#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "map/field_range.h"
#include "ops/row_traversal.h"
#include "ops/value_operations.h"

namespace {

// The map as the engine draws it for the canvas's scale and offsets, the range taken now.
Raster EngineMap(CanvasFixture& f, const MapChoices& choices) {
    const HeightField& field = f.document.field();
    KnollReducedField reduced;
    reduced.Update(field);
    Raster view(f.canvas.Surface().Width(), f.canvas.Surface().Height());
    const vRect shown = f.canvas.ShownArea();
    DrawScaledView(field, reduced, f.canvas.Scale(), vPoint{shown.x, shown.y}, view, ViewRows{},
                   MapColours(field, choices, RangeOf(field)));
    return view;
}

bool ShowsEngineMap(CanvasFixture& f, const MapChoices& choices) {
    const Raster expected = EngineMap(f, choices);
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            if (f.Shown(x, y) != (expected.At(x, y) & 0xFFFFFF)) return false;
        }
    }
    return true;
}

}  // namespace

// After an operation sweeps, every scale shows the changed field, its relief and its new
// range; the choices off give the working image again.
TEST(CanvasMap, FollowsAnOperationAndItsNewRange) {
    const MapChoices choices = MapChoices{true, true, {}};
    for (int level : {0, -2, 1}) {
        CanvasFixture f;
        f.Load(300, 220, kSixteenBitField, [](int x, int y) { return 1000 + ((x * 37 + y * y * 11 + x * y) % 900) * 20; });
        f.canvas.SetMapChoices(choices);
        f.canvas.SetScaleAround(level, 0, 0);
        f.Pump();
        ASSERT_TRUE(ShowsEngineMap(f, choices)) << level;
        const ValueRange before = RangeOf(f.document.field());
        AddValue(f.document.field(), kAreaWhole, 9000);
        f.platform().AdvanceClock(10);
        f.Pump();
        ASSERT_FALSE(RangeOf(f.document.field()) == before);
        EXPECT_TRUE(ShowsEngineMap(f, choices)) << level;
        f.canvas.SetMapChoices(MapChoices{});
        f.canvas.SetScaleAround(0, 0, 0);
        f.Pump();
        EXPECT_TRUE(f.ShowsTheField()) << level;
    }
}

// Scrolling moves the map already drawn and draws what it uncovers: the result is the
// map drawn whole at the new offsets, at every kind of scale, however it was scrolled.
TEST(CanvasMap, ScrollsShowTheMapAsIfDrawnWhole) {
    const std::vector<std::pair<MapChoices, int>> views = {
        {MapChoices{true, true, {}}, 0}, {MapChoices{true, true, {}}, -2}, {MapChoices{true, true, {}}, 2}, {MapChoices{}, -2}, {MapChoices{}, 2}};
    for (const auto& [choices, level] : views) {
        CanvasFixture f;
        f.Load(1700, 1400, kSixteenBitField, [](int x, int y) { return ((x * 13 + y * y * 7 + x * y) % 5000) * 9; });
        f.canvas.SetMapChoices(choices);
        f.canvas.SetScaleAround(level, 0, 0);
        f.Pump();
        const std::vector<std::pair<bool, int>> steps = {{true, 1}, {true, 1}, {false, 1}, {true, -1},
                                                         {false, 1}, {false, -1}, {true, 1}};
        for (const auto& [horizontal, step] : steps) {
            if (horizontal) {
                f.canvas.OnHStep(step);
            } else {
                f.canvas.OnVStep(step);
            }
            f.Pump();
            ASSERT_TRUE(ShowsEngineMap(f, choices)) << "level " << level << " at " << f.canvas.ShownArea().x << ","
                                                    << f.canvas.ShownArea().y;
        }
        EXPECT_GT(f.canvas.ShownArea().x, 0) << level;
        EXPECT_GT(f.canvas.ShownArea().y, 0) << level;
    }
}
