#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "interchange/hillshade.h"
#include "map/field_range.h"
#include "map/map_colours.h"
#include "map/scaled_view.h"

namespace {

// A field of the kind whose value at (x, y) is value(x, y), -1 for none.
void Fill(HeightField& field, int width, int height, int kind, const std::function<int(int, int)>& value) {
    field.ReplaceField(width, height);
    field.SetKind(kind);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = field.working().MutableRowPixels(y);
        for (int x = 0; x < width; ++x) {
            const int v = value(x, y);
            row[x] = v < 0 ? kNoValuePixel : field.ValueColor(v).Pixel();
        }
    }
    field.SnapshotField();
}

// Hills and a valley, with a hole where (x, y) falls on `holes`' pattern.
int Terrain(int x, int y, int scale, bool holes) {
    if (holes && (x * 7 + y * 3) % 23 == 0) return -1;
    return (((x * x * 3 + y * 5 + x * y) % 97) + 40 * ((x / 5 + y / 3) % 4)) * scale;
}

Raster Draw(const HeightField& field, const KnollViewScale& scale, const MapChoices& choices, ValueRange range) {
    KnollReducedField reduced;
    if (scale.IsReduced()) reduced.Update(field, -scale.level());
    Raster view(scale.ViewSpan(field.width()), scale.ViewSpan(field.height()));
    DrawScaledView(field, reduced, scale, vPoint{0, 0}, view, ViewRows{}, MapColours(field, choices, range));
    return view;
}

void ExpectSame(const Raster& drawn, const Raster& expected, const char* what) {
    ASSERT_EQ(drawn.Width(), expected.Width()) << what;
    ASSERT_EQ(drawn.Height(), expected.Height()) << what;
    for (int y = 0; y < drawn.Height(); ++y) {
        for (int x = 0; x < drawn.Width(); ++x) {
            ASSERT_EQ(drawn.At(x, y) & 0xFFFFFF, expected.At(x, y) & 0xFFFFFF) << what << " at " << x << "," << y;
        }
    }
}

}  // namespace

TEST(MapColours, HeightColoursSpreadTheRangeOverThePalette) {
    HeightField wide;
    Fill(wide, 2, 1, kSixteenBitField, [](int x, int) { return 1000 + x; });
    const Palette& palette = wide.palette();
    const MapColours spread(wide, MapChoices{true, false, {}}, ValueRange{1000, 1255});
    // One value a bin; outside the range the nearer end.
    EXPECT_EQ(spread.Of(1000), palette[0].Pixel());
    EXPECT_EQ(spread.Of(1128), palette[128].Pixel());
    EXPECT_EQ(spread.Of(1255), palette[255].Pixel());
    EXPECT_EQ(spread.Of(3), palette[0].Pixel());
    EXPECT_EQ(spread.Of(60000), palette[255].Pixel());
    // The whole range: 256 values a bin, the high byte.
    const MapColours whole(wide, MapChoices{true, false, {}}, ValueRange{0, 65535});
    for (uint32_t value : {0u, 255u, 256u, 40000u, 65535u}) EXPECT_EQ(whole.Of(value), palette[value >> 8].Pixel());
    // An uneven range still fills every entry, in equal bins: 3 values for 256 entries.
    const MapColours narrow(wide, MapChoices{true, false, {}}, ValueRange{10, 12});
    EXPECT_EQ(narrow.Of(10), palette[0].Pixel());
    EXPECT_EQ(narrow.Of(11), palette[85].Pixel());
    EXPECT_EQ(narrow.Of(12), palette[170].Pixel());
    // Without the choice a 16-bit value shows its encoding; an 8-bit one its entry either way.
    EXPECT_EQ(MapColours(wide, MapChoices{}, ValueRange{1000, 1255}).Of(0x1234), 0x1234u);
    HeightField narrowField;
    Fill(narrowField, 1, 1, kEightBitField, [](int, int) { return 7; });
    EXPECT_EQ(MapColours(narrowField, MapChoices{true, false, {}}, ValueRange{7, 7}).Of(7), palette[7].Pixel());
}

TEST(MapColours, RangeFollowsTheRowsThatChanged) {
    HeightField field;
    Fill(field, 5, 4, kSixteenBitField, [](int x, int y) { return y == 3 && x == 2 ? -1 : 100 + 10 * x + y; });
    FieldRange range;
    EXPECT_EQ(range.Range(field), (ValueRange{100, 143}));
    field.working().MutableRowPixels(2)[0] = field.ValueColor(7).Pixel();
    range.MarkRow(2);
    EXPECT_EQ(range.Range(field), (ValueRange{7, 143}));
    // An unmarked change waits for its mark; a new kind reads everything.
    field.working().MutableRowPixels(0)[0] = field.ValueColor(5).Pixel();
    EXPECT_EQ(range.Range(field), (ValueRange{7, 143}));
    field.SetKind(kEightBitField);
    EXPECT_EQ(range.Range(field), RangeOf(field));
    Fill(field, 3, 3, kSixteenBitField, [](int, int) { return -1; });
    EXPECT_EQ(range.Range(field), ValueRange{});
}

TEST(MapColours, ShadeDarkensTowardsAFifthAndLeavesNoValue) {
    EXPECT_EQ(MapColours::Shaded(0x8040C0, 255), 0x8040C0u);
    EXPECT_EQ(MapColours::Shaded(0x8040C0, 0), 0x8040C0u);
    EXPECT_EQ(MapColours::Shaded(kNoValuePixel, 1), kNoValuePixel);
    EXPECT_EQ(MapColours::Shaded(0xFFFFFE, 1), 0x343434u);  // 254 * 65 / 319, rounded
    uint32_t previous = 0;
    for (int shade = 1; shade <= 255; ++shade) {
        const uint32_t red = MapColours::Shaded(0xFF, uint8_t(shade));
        EXPECT_GE(red, previous);
        previous = red;
    }
}

// At 1:1 the relief is the batch tool's hillshade, position by position, under the same
// light, blended into the plain colours.
TEST(MapColours, ReliefAtActualSizeIsTheHillshade) {
    const ShadeLight light{120, 35, 0.5};
    for (int kind : {kEightBitField, kSixteenBitField}) {
        HeightField field;
        Fill(field, 31, 17, kind, [kind](int x, int y) { return Terrain(x, y, kind == kSixteenBitField ? 50 : 1, true); });
        const Raster plain = Draw(field, KnollViewScale(), MapChoices{}, RangeOf(field));
        const Raster relief = Draw(field, KnollViewScale(), MapChoices{false, true, light}, RangeOf(field));
        ReliefShader shader(field, light);
        std::vector<uint8_t> shades(size_t(field.width()));
        Raster expected(field.width(), field.height());
        for (int y = 0; y < field.height(); ++y) {
            shader.ShadeNextRow(shades.data());
            for (int x = 0; x < field.width(); ++x) {
                uint32_t colour = field.FieldValue(x, y) < 0 ? kNoValuePixel : plain.At(x, y) & 0xFFFFFF;
                if (kind == kSixteenBitField && colour != kNoValuePixel) colour &= 0xFFFF;
                expected.Row(y)[x] = MapColours::Shaded(colour, shades[size_t(x)]);
            }
        }
        ExpectSame(relief, expected, kind == kSixteenBitField ? "16-bit" : "8-bit");
    }
}

// Zoomed out by a power of two, the map is the map at 1:1 of the field of block means
// (rounded, a block without any value having none), whose positions lie a block apart:
// the relief of every scale shows the same slopes under the same sun.
TEST(MapColours, EveryReducedScaleIsTheMapOfItsBlockMeans) {
    HeightField field;
    Fill(field, 75, 53, kSixteenBitField, [](int x, int y) { return x > 60 && y > 40 ? -1 : Terrain(x, y, 300, true); });
    const ShadeLight light{300, 40, 2};
    const ValueRange range = RangeOf(field);
    for (int level = 1; level <= 4; ++level) {
        const int side = 1 << level;
        HeightField means;
        Fill(means, (field.width() + side - 1) / side, (field.height() + side - 1) / side, kSixteenBitField,
             [&](int bx, int by) {
                 int64_t sum = 0, count = 0;
                 for (int y = by * side; y < std::min((by + 1) * side, field.height()); ++y) {
                     for (int x = bx * side; x < std::min((bx + 1) * side, field.width()); ++x) {
                         const int value = field.FieldValue(x, y);
                         if (value >= 0) sum += value, ++count;
                     }
                 }
                 return count ? int((sum + count / 2) / count) : -1;
             });
        KnollViewScale scale;
        scale.SetLevel(-level);
        for (const MapChoices& choices : {MapChoices{true, true, light},
                                          MapChoices{false, true, light}}) {
            MapChoices spaced = choices;
            spaced.light.zFactor = light.zFactor / side;
            ExpectSame(Draw(field, scale, choices, range), Draw(means, KnollViewScale(), spaced, range),
                       ("level " + std::to_string(level)).c_str());
        }
    }
}
