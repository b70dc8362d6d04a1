#include <gtest/gtest.h>

#include "field_builder.h"
#include "ops/selection.h"
#include "ops/zoom.h"

TEST(ZoomExpand, ContinuesAnEightBitFieldPastItsLastColumnAndRow) {
    HeightField field;
    SetField(field, kEightBitField, {{1, 3, 5}});
    EXPECT_EQ(Zoom(field, ZoomMode::Expand, nullptr), ZoomOutcome::kDone);
    EXPECT_EQ(ReadValues(field), (Heights{{1, 2, 3, 4, 5, 9}, {3, 5, 7, 9, 11, 19}}));
}

TEST(ZoomExpand, HalvesTowardNoValueAtTheSixteenBitEdges) {
    HeightField field;
    SetField(field, kSixteenBitField, {{1000, 1000}, {1000, 1000}});
    Zoom(field, ZoomMode::Expand, nullptr);
    EXPECT_EQ(ReadValues(field), (Heights{{1000, 1000, 1000, 499},
                                         {1000, 1000, 1000, 499},
                                         {1000, 1000, 1000, 499},
                                         {499, 499, 499, 249}}));
}

TEST(ZoomExpand, InterpolatesBetweenRowsAndLimitsEightBitValues) {
    HeightField field;
    SetField(field, kEightBitField, {{10, 20}, {30, 40}, {200, 250}});
    Zoom(field, ZoomMode::Expand, nullptr);
    // 250 is stored as an entry whose blue byte is 255, and read back so.
    EXPECT_EQ(ReadValues(field), (Heights{{10, 15, 20, 41},
                                         {20, 25, 30, 61},
                                         {30, 35, 40, 81},
                                         {115, 131, 147, 168},
                                         {200, 227, 255, 255},
                                         {255, 255, 255, 255}}));
}

TEST(ZoomExpand, KeepsEightBitNoValueButTurnsSixteenBitNoValueIntoTwoHundredFiftyFive) {
    HeightField narrow;
    SetField(narrow, kEightBitField, {{-1, -1}, {-1, 8}});
    Zoom(narrow, ZoomMode::Expand, nullptr);
    EXPECT_EQ(ReadValues(narrow), (Heights{{-1, -1, -1, -1},
                                          {-1, 1, 3, 8},
                                          {-1, 3, 8, 17},
                                          {-1, 7, 17, 35}}));

    HeightField wide;
    SetField(wide, kSixteenBitField, {{-1}});
    Zoom(wide, ZoomMode::Expand, nullptr);
    // The last row halves toward no value from the 255 the row above now holds.
    EXPECT_EQ(ReadValues(wide), (Heights{{255, 255}, {127, 127}}));
}

TEST(ZoomShrink, KeepsEverySecondPositionOfEverySecondRow) {
    HeightField field;
    Heights rows(5, std::vector<int>(5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) rows[size_t(y)][size_t(x)] = 10 * y + x;
    }
    SetField(field, kSixteenBitField, rows);
    EXPECT_EQ(Zoom(field, ZoomMode::Shrink, nullptr), ZoomOutcome::kDone);
    EXPECT_EQ(field.width(), 2);
    EXPECT_EQ(field.height(), 2);
    EXPECT_EQ(ReadValues(field), (Heights{{0, 2}, {20, 22}}));
}

// The shrink builds the new field inside the old images' memory; a field past the
// cache's size with odd sides checks that no old row is overwritten before it is read.
TEST(ZoomShrink, KeepsEveryOtherPositionOfALargeOddFieldAndCommitsIt) {
    for (int kind : {kEightBitField, kSixteenBitField}) {
        Heights rows(1031, std::vector<int>(2051));
        for (size_t y = 0; y < rows.size(); ++y)
            for (size_t x = 0; x < rows[y].size(); ++x) rows[y][x] = int((x * 131 + y * 17) % (kind ? 65536 : 256));
        HeightField field;
        SetField(field, kind, rows);
        // An 8-bit field reads back the blue byte of each value's palette entry.
        const Heights stored = ReadValues(field);
        ASSERT_EQ(Zoom(field, ZoomMode::Shrink, nullptr), ZoomOutcome::kDone);
        Heights kept(515, std::vector<int>(1025));
        for (size_t j = 0; j < kept.size(); ++j)
            for (size_t i = 0; i < kept[j].size(); ++i) kept[j][i] = stored[2 * j][2 * i];
        EXPECT_EQ(ReadValues(field), kept);
        field.working().Erase();
        field.RestoreField();
        EXPECT_EQ(ReadValues(field), kept);
        EXPECT_EQ(field.MaskTest(1024, 514), 1);
    }
}

TEST(ZoomShrink, TurnsSixteenBitNoValueIntoTwoHundredFiftyFiveAndKeepsItInEightBit) {
    HeightField wide;
    SetField(wide, kSixteenBitField, {{-1, 1}, {1, 1}});
    Zoom(wide, ZoomMode::Shrink, nullptr);
    EXPECT_EQ(ReadValues(wide), (Heights{{255}}));
    HeightField narrow;
    SetField(narrow, kEightBitField, {{-1, 1}, {1, 1}});
    Zoom(narrow, ZoomMode::Shrink, nullptr);
    EXPECT_EQ(ReadValues(narrow), (Heights{{-1}}));
}

TEST(Zoom, LeavesTheUndoImageEqualToTheNewField) {
    for (ZoomMode mode : {ZoomMode::Expand, ZoomMode::Shrink}) {
        HeightField field;
        SetField(field, kSixteenBitField, {{1, 2}, {3, 4}});
        Zoom(field, mode, nullptr);
        Heights zoomed = ReadValues(field);
        field.RestoreField();
        EXPECT_EQ(ReadValues(field), zoomed);
    }
}

TEST(Zoom, RefusesAFieldThatWouldVanishOrOutgrowTheLimitAndKeepsIt) {
    HeightField field;
    SetField(field, kEightBitField, {{1, 2, 3}});
    EXPECT_EQ(Zoom(field, ZoomMode::Shrink, nullptr), ZoomOutcome::kTooSmall);
    EXPECT_EQ(ReadValues(field), (Heights{{1, 2, 3}}));
    EXPECT_EQ(ZoomMessage(ZoomOutcome::kTooSmall, field), "Field too small to shrink");

    Heights wideRow(1, std::vector<int>(HeightField::kMaxSide / 2 + 1, 7));
    SetField(field, kEightBitField, wideRow);
    EXPECT_EQ(Zoom(field, ZoomMode::Expand, nullptr), ZoomOutcome::kTooLarge);
    EXPECT_EQ(field.width(), HeightField::kMaxSide / 2 + 1);
    EXPECT_EQ(field.FieldValue(field.width() - 1, 0), 7);
    EXPECT_EQ(ZoomMessage(ZoomOutcome::kTooLarge, field), "Field too large to expand");
}

TEST(Zoom, DrawsEvenRowsThenOddRowsAndRefreshesOnce) {
    CountingPainter painter;
    HeightField field;
    SetField(field, kSixteenBitField, {{1}, {2}});
    field.SetPainter(&painter);
    Zoom(field, ZoomMode::Expand, nullptr);
    EXPECT_EQ(painter.rows, (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(painter.clears, 1);
    EXPECT_EQ(painter.refreshes, 1);
}

TEST(Zoom, ScalesAChosenPolygonSoItCoversTheSamePart) {
    HeightField field;
    SetField(field, kEightBitField, Heights(8, std::vector<int>(8, 5)));
    FieldSelection selection;
    selection.Begin();
    for (vPoint p : {vPoint{2, 2}, vPoint{6, 2}, vPoint{6, 6}, vPoint{2, 6}}) selection.AddVertex(p.x, p.y);
    ASSERT_TRUE(selection.Close(field));
    Zoom(field, ZoomMode::Expand, &selection);
    EXPECT_EQ(selection.points().front().x, 4);
    EXPECT_EQ(field.MaskTest(8, 8), 0);
    EXPECT_EQ(field.MaskTest(2, 2), 1);
    EXPECT_EQ(field.MaskTest(13, 13), 1);
    Zoom(field, ZoomMode::Shrink, &selection);
    Zoom(field, ZoomMode::Shrink, &selection);
    EXPECT_EQ(selection.state(), FieldSelection::kChosen);
    EXPECT_EQ(selection.points().back().x, 1);
    EXPECT_EQ(field.MaskTest(2, 2), 0);
    EXPECT_EQ(field.MaskTest(0, 0), 1);
}

TEST(Zoom, ScalesAnOutlineBeingDrawnWithoutTouchingTheMask) {
    HeightField field;
    SetField(field, kEightBitField, {{1, 2}, {3, 4}});
    FieldSelection selection;
    selection.Begin();
    selection.AddVertex(1, 1);
    Zoom(field, ZoomMode::Expand, &selection);
    EXPECT_EQ(selection.points().front().x, 2);
    EXPECT_EQ(selection.state(), FieldSelection::kOutlining);
    EXPECT_EQ(field.MaskTest(2, 2), 1);
}
