#include <gtest/gtest.h>

#include "field_builder.h"
#include "ops/tile_operations.h"

TEST(Mirror, CopiesTheLeftHalfReversedAndLeavesTheMiddleColumn) {
    HeightField field;
    SetField(field, kEightBitField, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, -1}});
    Mirror(field, MirrorDirection::LeftToRight);
    EXPECT_EQ(ReadValues(field), (Heights{{1, 2, 3, 2, 1}, {6, 7, 8, 7, 6}}));
}

TEST(Mirror, EachDirectionCopiesItsOwnHalf) {
    const Heights start{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
    HeightField field;
    SetField(field, kSixteenBitField, start);
    Mirror(field, MirrorDirection::RightToLeft);
    EXPECT_EQ(ReadValues(field), (Heights{{4, 3, 3, 4}, {8, 7, 7, 8}, {12, 11, 11, 12}}));
    SetField(field, kSixteenBitField, start);
    Mirror(field, MirrorDirection::TopToBottom);
    EXPECT_EQ(ReadValues(field), (Heights{{1, 2, 3, 4}, {5, 6, 7, 8}, {1, 2, 3, 4}}));
    SetField(field, kSixteenBitField, start);
    Mirror(field, MirrorDirection::BottomToTop);
    EXPECT_EQ(ReadValues(field), (Heights{{9, 10, 11, 12}, {5, 6, 7, 8}, {9, 10, 11, 12}}));
}

TEST(Mirror, CarriesNoValueAcross) {
    HeightField field;
    SetField(field, kSixteenBitField, {{-1, 4}});
    Mirror(field, MirrorDirection::LeftToRight);
    EXPECT_EQ(ReadValues(field), (Heights{{-1, -1}}));
}

TEST(Mirror, ThenTheOppositeMirrorChangesNothingMore) {
    HeightField field;
    SetField(field, kEightBitField, {{1, 2, 3, 4, 5, 6}});
    Mirror(field, MirrorDirection::LeftToRight);
    Mirror(field, MirrorDirection::RightToLeft);
    EXPECT_EQ(ReadValues(field), (Heights{{1, 2, 3, 3, 2, 1}}));
}

TEST(TileOperations, DoNothingAcrossASingleColumnOrRow) {
    CountingPainter painter;
    HeightField field;
    SetField(field, kEightBitField, {{1}, {2}, {3}});
    field.SetPainter(&painter);
    Mirror(field, MirrorDirection::LeftToRight);
    Flip(field, FlipDirection::LeftRight);
    EXPECT_EQ(ReadValues(field), (Heights{{1}, {2}, {3}}));
    EXPECT_TRUE(painter.points.empty());
}

TEST(Flip, ExchangesTheHalvesAndIsItsOwnInverse) {
    const Heights start{{1, 2, 3}, {4, 5, -1}};
    HeightField field;
    SetField(field, kEightBitField, start);
    Flip(field, FlipDirection::LeftRight);
    EXPECT_EQ(ReadValues(field), (Heights{{3, 2, 1}, {-1, 5, 4}}));
    Flip(field, FlipDirection::LeftRight);
    EXPECT_EQ(ReadValues(field), start);
    Flip(field, FlipDirection::TopBottom);
    EXPECT_EQ(ReadValues(field), (Heights{{4, 5, -1}, {1, 2, 3}}));
}

TEST(Flip, DrawsEveryWrittenPositionAsAPointColumnByColumn) {
    CountingPainter painter;
    HeightField field;
    SetField(field, kSixteenBitField, {{1, 2, 3, 4}, {5, 6, 7, 8}});
    field.SetPainter(&painter);
    Flip(field, FlipDirection::LeftRight);
    using Points = std::vector<std::pair<int, int>>;
    EXPECT_EQ(painter.points, (Points{{3, 0}, {0, 0}, {3, 1}, {0, 1}, {2, 0}, {1, 0}, {2, 1}, {1, 1}}));
}

// Rows longer than a vector register, so the wide loops run alongside their leftovers.
TEST(TileOperations, LongRowsOfEitherKindReverseAroundTheirMiddle) {
    for (int kind : {kEightBitField, kSixteenBitField}) {
        for (int width : {37, 38}) {
            std::vector<int> row;
            for (int x = 0; x < width; ++x) row.push_back(x % 5 == 0 ? -1 : x * 6);
            std::vector<int> flipped(row.rbegin(), row.rend());
            std::vector<int> mirrored = row;
            for (int x = 0; x < width / 2; ++x) mirrored[size_t(width - 1 - x)] = row[size_t(x)];
            HeightField field;
            SetField(field, kind, {row});
            Flip(field, FlipDirection::LeftRight);
            EXPECT_EQ(ReadValues(field), Heights{flipped}) << kind << " " << width;
            SetField(field, kind, {row});
            Mirror(field, MirrorDirection::LeftToRight);
            EXPECT_EQ(ReadValues(field), Heights{mirrored}) << kind << " " << width;
        }
    }
}
