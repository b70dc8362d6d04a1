#include <gtest/gtest.h>

#include <random>

#include "field_builder.h"
#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"
#include "ops/smooth.h"
#include "window_average.h"

namespace {

// The in-place smooth literally: each target's window mean from the image as it stands,
// rows written back one at a time.
void SmoothByDefinition(HeightField& field, int area, int radius) {
    const PixelCodec codec(field);
    std::vector<vColor> row(static_cast<size_t>(field.width()));
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) {
            bool target = area == kAreaWhole || field.MaskTest(x, y) == area - 1;
            uint32_t pixel = field.working().ReadPixel(x, y);
            if (target) pixel = codec.Store(WindowAverage(field.working(), x, y, radius, codec.wide()));
            row[size_t(x)] = vColor::FromPixel(pixel);
        }
        field.WriteRow(y, row.data());
    }
}

// Random colours as files and operations leave them: 8-bit palette entries (entries 241
// to 255 read back as 255), 16-bit values with stray blue bytes, and no-value white.
std::vector<std::vector<uint32_t>> RandomPixels(std::mt19937& random, int kind, int width, int height) {
    std::vector<std::vector<uint32_t>> rows(static_cast<size_t>(height));
    for (auto& row : rows) {
        for (int x = 0; x < width; ++x) {
            uint32_t pixel;
            if (random() % 17 == 0) {
                pixel = kNoValuePixel;
            } else if (kind == kEightBitField) {
                pixel = DefaultPalette()[random() % 256].Pixel();
            } else {
                pixel = (random() % 65536) | ((random() % 256) << 16);
            }
            row.push_back(pixel);
        }
    }
    return rows;
}

void SetRandomMask(std::mt19937& random, HeightField& field) {
    std::vector<std::vector<int>> inside(size_t(field.height()), std::vector<int>(size_t(field.width())));
    for (auto& row : inside) {
        for (int& cell : row) cell = int(random() % 2);
    }
    SetMask(field, inside);
}

// The rows of the field smoothed as they are handed on to a write, from a source that
// reuses one buffer for every row, as the batch tool's sources do.
std::vector<std::vector<uint32_t>> SmoothedAsHandedOn(const HeightField& field, int area, int radius) {
    WorkingRows working(field);
    EditedRows passing(working, [](int, uint32_t*) {});
    std::unique_ptr<FieldRows> smoothed = SmoothedRows(passing, area, radius);
    std::vector<std::vector<uint32_t>> rows;
    for (int y = 0; y < field.height(); ++y) {
        const uint32_t* row = smoothed->Row(y);
        rows.emplace_back(row, row + field.width());
    }
    return rows;
}

// Smooths a random field with a random selection in place, as its rows are handed on
// and by the definition, and compares every pixel.
void ExpectSmoothAsDefined(std::mt19937& random, int kind, int width, int height, int area, int radius) {
    auto pixels = RandomPixels(random, kind, width, height);
    HeightField fast, reference;
    SetPixels(fast, kind, pixels);
    SetPixels(reference, kind, pixels);
    SetRandomMask(random, fast);
    reference.mask().BlitFrom(&fast.mask(), 0, 0, 0, 0, 0, 0);
    auto handedOn = SmoothedAsHandedOn(fast, area, radius);
    Smooth(fast, area, radius);
    SmoothByDefinition(reference, area, radius);
    const auto expected = ReadPixels(reference);
    ASSERT_EQ(ReadPixels(fast), expected)
        << "kind " << kind << " radius " << radius << " area " << area << " size " << width << "x" << height;
    ASSERT_EQ(handedOn, expected) << "handed on: kind " << kind << " radius " << radius << " area " << area
                                  << " size " << width << "x" << height;
}

}  // namespace

TEST(Smooth, GivesExactlyTheInPlaceResultOnRandomFields) {
    std::mt19937 random(2024);
    for (int kind : {kEightBitField, kSixteenBitField}) {
        for (int radius = 0; radius <= 12; ++radius) {
            for (int area : {kAreaWhole, kAreaInside, kAreaOutside}) {
                int width = 1 + int(random() % 40);
                int height = 1 + int(random() % 40);
                ExpectSmoothAsDefined(random, kind, width, height, area, radius);
                if (HasFatalFailure()) return;
            }
        }
    }
}

TEST(Smooth, RadiusOneGivesTheInPlaceResultOnThinFields) {
    std::mt19937 random(77);
    for (int kind : {kEightBitField, kSixteenBitField}) {
        for (int width : {1, 2, 3, 4, 9}) {
            for (int height : {1, 2, 3, 6}) {
                for (int area : {kAreaWhole, kAreaInside}) {
                    ExpectSmoothAsDefined(random, kind, width, height, area, 1);
                    if (HasFatalFailure()) return;
                }
            }
        }
    }
}

TEST(Smooth, TakesARadiusFarBeyondTheField) {
    std::mt19937 random(7);
    auto pixels = RandomPixels(random, kSixteenBitField, 9, 5);
    HeightField fast, reference;
    SetPixels(fast, kSixteenBitField, pixels);
    SetPixels(reference, kSixteenBitField, pixels);
    auto handedOn = SmoothedAsHandedOn(fast, kAreaWhole, 2147483647);
    Smooth(fast, kAreaWhole, 2147483647);
    SmoothByDefinition(reference, kAreaWhole, 100);
    EXPECT_EQ(ReadPixels(fast), ReadPixels(reference));
    EXPECT_EQ(handedOn, ReadPixels(reference));
}

TEST(Smooth, SeesRowsAboveAlreadySmoothed) {
    HeightField field;
    Heights rows(5, std::vector<int>(5, 0));
    rows[2][2] = 9;
    SetField(field, kSixteenBitField, rows);
    Smooth(field, kAreaWhole, 1);
    EXPECT_EQ(ReadValues(field), (Heights{{0, 0, 0, 0, 0},
                                         {0, 1, 1, 1, 0},
                                         {0, 1, 1, 1, 0},
                                         {0, 0, 0, 0, 0},
                                         {0, 0, 0, 0, 0}}));
}

TEST(Smooth, UsesOldValuesWithinTheRowAndRoundsDown) {
    HeightField field;
    SetField(field, kEightBitField, {{1, 2}});
    Smooth(field, kAreaWhole, 1);
    EXPECT_EQ(ReadValues(field), (Heights{{1, 1}}));
}

TEST(Smooth, LeavesAConstantFieldAlone) {
    for (int radius : {0, 1, 5}) {
        HeightField field;
        Heights rows(6, std::vector<int>(7, 1234));
        SetField(field, kSixteenBitField, rows);
        Smooth(field, kAreaWhole, radius);
        EXPECT_EQ(ReadValues(field), rows);
    }
}

TEST(Smooth, DividesWholeSumsExactlyInWideWindows) {
    // Windows of 441 and of 40000 positions at the largest sample: sums past 2^24 and past
    // 2^31, whose means are whole and must not come out one short.
    for (int radius : {10, 200}) {
        HeightField field;
        Heights rows(200, std::vector<int>(200, 65534));
        SetField(field, kSixteenBitField, rows);
        Smooth(field, kAreaWhole, radius);
        EXPECT_EQ(ReadValues(field), rows) << "radius " << radius;
    }
}

TEST(Smooth, SamplesTheBlueByteOfTheStoredEntry) {
    // Entry 250's blue byte is 255, so what the row above stored counts as 255 below.
    HeightField field;
    SetField(field, kEightBitField, {{250}, {0}});
    Smooth(field, kAreaWhole, 0);
    EXPECT_EQ(ReadValues(field), (Heights{{255}, {0}}));
    SetField(field, kEightBitField, {{245, 245}, {245, 245}});
    Smooth(field, kAreaWhole, 1);
    EXPECT_EQ(ReadValues(field), (Heights{{255, 255}, {255, 255}}));
}

TEST(Smooth, RefreshesOnceAtTheEndOnlyInAnEightBitField) {
    for (int kind : {kEightBitField, kSixteenBitField}) {
        CountingPainter painter;
        HeightField field;
        SetField(field, kind, {{1, 2}, {3, 4}});
        field.SetPainter(&painter);
        Smooth(field, kAreaWhole, 1);
        EXPECT_EQ(painter.rows, (std::vector<int>{0, 1}));
        EXPECT_EQ(painter.refreshes, kind == kEightBitField ? 1 : 0);
    }
}

// The reference the tests above compare against.
TEST(WindowAverage, ShrinksItsWindowAtTheEdges) {
    HeightField field;
    SetField(field, kEightBitField, {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}});
    const TarnMemoryDC& image = field.working();
    EXPECT_EQ(WindowAverage(image, 0, 0, 1, false), (10u + 20 + 40 + 50) / 4);
    EXPECT_EQ(WindowAverage(image, 1, 1, 1, false), 50u);
    EXPECT_EQ(WindowAverage(image, 2, 1, 0, false), 60u);
    EXPECT_EQ(WindowAverage(image, 1, 0, 5, false), 50u);
}

TEST(WindowAverage, CountsNoValueAsTheTopSample) {
    HeightField field;
    SetField(field, kEightBitField, {{-1, 0}});
    EXPECT_EQ(WindowAverage(field.working(), 1, 0, 1, false), 255u / 2);
    EXPECT_EQ(WindowAverage(field.working(), 1, 0, 1, true), 0xFFFFu / 2);
}

TEST(WindowAverage, WideAverageUsesTheLowSixteenBits) {
    HeightField field;
    SetField(field, kSixteenBitField, {{1000, 3000}, {65535, 65535}});
    EXPECT_EQ(WindowAverage(field.working(), 0, 0, 1, true), (1000u + 3000 + 65535 + 65535) / 4);
}
