#include <gtest/gtest.h>

#include "core/render_palette.h"
#include "scratch.h"

namespace {

class RefreshCounter : public FieldPainter {
public:
    void RefreshView() override { ++refreshes; }
    int refreshes = 0;
};

Palette ShiftedColours() {
    Palette palette;
    for (int i = 0; i < 256; ++i) palette[i] = vColor(255 - i, i / 2, i);
    return palette;
}

TEST(RenderPalette, NewColoursSameValues) {
    HeightField field;
    FillField(field, {{0, 17, 200}, {240, 3, 99}}, kEightBitField);
    Palette palette = ShiftedColours();
    RenderPalette(field, palette);
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{0, 17, 200}, {240, 3, 99}}));
    EXPECT_EQ(field.working().ReadPixel(1, 0), palette[17].Pixel());
}

TEST(RenderPalette, PositionsWithoutValueStayWithout) {
    HeightField field;
    FillField(field, {{-1, 5}}, kEightBitField);
    RenderPalette(field, ShiftedColours());
    EXPECT_EQ(field.FieldValue(0, 0), -1);
    EXPECT_EQ(field.FieldValue(1, 0), 5);
}

TEST(RenderPalette, EntryWithAnotherBlueChangesTheValue) {
    HeightField field;
    FillField(field, {{7}}, kEightBitField);
    Palette palette = DefaultPalette();
    palette[7] = vColor(1, 2, 99);
    RenderPalette(field, palette);
    EXPECT_EQ(field.FieldValue(0, 0), 99);
}

TEST(RenderPalette, RefreshesTheViewAfterEveryRow) {
    HeightField field;
    RefreshCounter painter;
    FillField(field, {{1}, {2}, {3}}, kEightBitField);
    field.SetPainter(&painter);
    RenderPalette(field, DefaultPalette());
    EXPECT_EQ(painter.refreshes, 3);
}

}  // namespace
