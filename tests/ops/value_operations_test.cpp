#include <gtest/gtest.h>

#include <algorithm>

#include "field_builder.h"
#include "ops/row_traversal.h"
#include "ops/value_operations.h"

TEST(CutLow, ComparesStrictlyAndGivesNoValueZero) {
    HeightField field;
    SetField(field, kEightBitField, {{0, 99, 100, 101, -1}});
    CutLow(field, kAreaWhole, 100);
    EXPECT_EQ(ReadValues(field), (Heights{{0, 0, 100, 101, 0}}));
    CutLow(field, kAreaWhole, 1);
    EXPECT_EQ(ReadValues(field), (Heights{{0, 0, 100, 101, 0}}));
}

TEST(ClipHigh, ComparesStrictlyAndKeepsNoValue) {
    HeightField field;
    SetField(field, kSixteenBitField, {{99, 100, 101, 65535, -1}});
    ClipHigh(field, kAreaWhole, 100);
    EXPECT_EQ(ReadValues(field), (Heights{{99, 100, 100, 100, -1}}));
}

TEST(AddValue, ClampsToTheKindsRangeAndTakesNoValueAsMinusOne) {
    HeightField wide;
    SetField(wide, kSixteenBitField, {{65530, 3, -1}});
    AddValue(wide, kAreaWhole, 10);
    EXPECT_EQ(ReadValues(wide), (Heights{{65535, 13, 9}}));
    AddValue(wide, kAreaWhole, -10);
    EXPECT_EQ(ReadValues(wide), (Heights{{65525, 3, 0}}));

    HeightField narrow;
    SetField(narrow, kEightBitField, {{250, -1}});
    AddValue(narrow, kAreaWhole, 10);
    EXPECT_EQ(ReadValues(narrow), (Heights{{255, 9}}));
    AddValue(narrow, kAreaWhole, 2147483647);
    EXPECT_EQ(ReadValues(narrow), (Heights{{255, 255}}));
}

TEST(AddValue, ClampsAmountsBeyondTheRangeLikeAnyOther) {
    const Heights start{{-1, 0, 1, 2, 65533, 65534, 65535}};
    for (int32_t amount : {-2147483647 - 1, -65538, -65537, -65536, 65535, 65536, 65537, 2147483647}) {
        HeightField field;
        SetField(field, kSixteenBitField, start);
        AddValue(field, kAreaWhole, amount);
        Heights expected = start;
        for (int& z : expected[0]) z = int(std::clamp<int64_t>(int64_t(z) + amount, 0, 65535));
        EXPECT_EQ(ReadValues(field), expected) << "amount " << amount;
    }
}

TEST(InvertValues, IsItsOwnInverseForPositionsWithValues) {
    HeightField field;
    SetField(field, kSixteenBitField, {{0, 1, 65535, 40000}});
    InvertValues(field, kAreaWhole);
    EXPECT_EQ(ReadValues(field), (Heights{{65535, 65534, 0, 25535}}));
    InvertValues(field, kAreaWhole);
    EXPECT_EQ(ReadValues(field), (Heights{{0, 1, 65535, 40000}}));
}

TEST(InvertValues, StoresNoValueByLowBitsOrAtTheTopOfThePalette) {
    HeightField wide;
    SetField(wide, kSixteenBitField, {{-1}});
    InvertValues(wide, kAreaWhole);
    EXPECT_EQ(ReadValues(wide), (Heights{{0}}));

    HeightField narrow;
    SetField(narrow, kEightBitField, {{-1, 0}});
    InvertValues(narrow, kAreaWhole);
    EXPECT_EQ(ReadPixels(narrow)[0][0], DefaultPalette()[255].Pixel());
    EXPECT_EQ(ReadValues(narrow), (Heights{{255, 255}}));
}

TEST(FillValue, StoresValuesBeyondTheKind) {
    HeightField wide;
    SetField(wide, kSixteenBitField, {{-1, 7}});
    FillValue(wide, kAreaWhole, 65536 + 12);
    EXPECT_EQ(ReadValues(wide), (Heights{{12, 12}}));

    HeightField narrow;
    SetField(narrow, kEightBitField, {{-1, 7}});
    FillValue(narrow, kAreaWhole, 300);
    EXPECT_EQ(ReadPixels(narrow)[0][1], DefaultPalette()[255].Pixel());
    FillValue(narrow, kAreaWhole, 0);
    EXPECT_EQ(ReadValues(narrow), (Heights{{0, 0}}));
}

TEST(ValueOperations, ChangeOnlyTheChosenSideAndKeepOtherColoursExactly) {
    // A 16-bit position keeps a stray blue byte until an operation writes it.
    const uint32_t stray = 0x420105;
    for (int area : {kAreaInside, kAreaOutside}) {
        HeightField field;
        SetPixels(field, kSixteenBitField, {{stray, stray}, {stray, stray}});
        SetMask(field, {{1, 0}, {0, 1}});
        FillValue(field, area, 9);
        uint32_t inside = area == kAreaInside ? 9 : stray;
        uint32_t outside = area == kAreaOutside ? 9 : stray;
        EXPECT_EQ(ReadPixels(field), (std::vector<std::vector<uint32_t>>{{inside, outside}, {outside, inside}}));
    }
}

TEST(ValueOperations, ReadTheMaskByTheKindsRule) {
    // Blue 1 is outside by the 8-bit rule (lowest blue bit) but inside by the 16-bit
    // rule (not white).
    const vColor odd(0, 0, 1);
    for (int kind : {kEightBitField, kSixteenBitField}) {
        HeightField field;
        SetField(field, kind, {{5, 5}});
        field.mask().PaintPixelStrip(0, 0, 1, &odd);
        FillValue(field, kAreaInside, 1);
        EXPECT_EQ(ReadValues(field), (Heights{{kind == kEightBitField ? 5 : 1, 5}}));
    }
}

TEST(ValueOperations, DrawEveryRowOnce) {
    HeightField field;
    CountingPainter painter;
    SetField(field, kEightBitField, {{1}, {2}, {3}});
    field.SetPainter(&painter);
    CutLow(field, kAreaWhole, 2);
    EXPECT_EQ(painter.rows, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(painter.refreshes, 0);
}
