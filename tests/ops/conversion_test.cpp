#include <gtest/gtest.h>

#include "field_builder.h"
#include "ops/conversion.h"

TEST(ConvertToPpm, MultipliesByTwoHundredFiftySixAndTakesNoValueAsTheTop) {
    HeightField field;
    SetField(field, kEightBitField, {{0, 1, 255, -1}});
    ConvertToPpm(field);
    field.SetKind(kSixteenBitField);
    EXPECT_EQ(ReadValues(field), (Heights{{0, 256, 65280, 65280}}));
    EXPECT_EQ(ReadPixels(field)[0][1], 0x000100u);
}

TEST(ConvertToPpm, ReadsTheStoredBlueByte) {
    HeightField field;
    SetPixels(field, kEightBitField, {{DefaultPalette()[250].Pixel()}});
    ConvertToPpm(field);
    field.SetKind(kSixteenBitField);
    EXPECT_EQ(ReadValues(field), (Heights{{65280}}));
}

TEST(ConvertToTga, KeepsTheHighByteAndGivesNoValueEntryZero) {
    HeightField field;
    SetField(field, kSixteenBitField, {{0, 255, 256, 65535, -1}});
    ConvertToTga(field);
    const Palette& palette = DefaultPalette();
    EXPECT_EQ(ReadPixels(field), (std::vector<std::vector<uint32_t>>{
                                     {palette[0].Pixel(), palette[0].Pixel(), palette[1].Pixel(),
                                      palette[255].Pixel(), palette[0].Pixel()}}));
}

TEST(Conversion, RoundTripKeepsAnEightBitFieldButOnlyTheHighByteOfASixteenBitOne) {
    HeightField field;
    SetField(field, kEightBitField, {{0, 17, 200, 240}});
    ConvertToPpm(field);
    field.SetKind(kSixteenBitField);
    ConvertToTga(field);
    field.SetKind(kEightBitField);
    EXPECT_EQ(ReadValues(field), (Heights{{0, 17, 200, 240}}));

    SetField(field, kSixteenBitField, {{1000, 4660}});
    ConvertToTga(field);
    field.SetKind(kEightBitField);
    ConvertToPpm(field);
    field.SetKind(kSixteenBitField);
    EXPECT_EQ(ReadValues(field), (Heights{{768, 4608}}));
}
