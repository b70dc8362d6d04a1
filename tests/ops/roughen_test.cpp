#include <gtest/gtest.h>

#include <cmath>

#include "field_builder.h"
#include "ops/random_generator.h"
#include "ops/roughen.h"
#include "ops/row_traversal.h"

namespace {

// The generator as a run starts it: seeded (one number dropped), then one more dropped.
RandomGenerator StartedGenerator(uint32_t seed) {
    RandomGenerator generator;
    generator.Seed(seed);
    generator.Next();
    return generator;
}

// The Middle rule in extended precision, as the definition states it.
int64_t MiddleByDefinition(int64_t z, int32_t value, int r0) {
    float f = static_cast<float>(static_cast<long double>(r0 * 2) * (1.0L / 32766.0L));
    long double exact = static_cast<long double>(value) * f + z - value;
    return static_cast<int64_t>(std::trunc(exact));
}

int64_t Clamp(int64_t z, int64_t top) { return z > top ? top : z < 0 ? 0 : z; }

}  // namespace

TEST(Roughen, UpDrawsTwoNumbersPerPositionAndRaisesByAtMostValuePlusOne) {
    HeightField field;
    SetField(field, kEightBitField, {{0, 0, 0, 0}, {0, 0, 0, 0}});
    Roughen(field, RoughMode::Up, 1, 77);
    RandomGenerator generator = StartedGenerator(77);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            generator.Next();
            EXPECT_EQ(field.FieldValue(x, y), generator.Next() * 2 / 32767);
        }
    }
}

TEST(Roughen, MiddleMatchesTheExtendedPrecisionRuleForAnyValue) {
    HeightField field;
    Heights rows(1);
    for (int i = 0; i < 400; ++i) rows[0].push_back((i * 163) % 65536);
    rows[0][0] = -1;
    for (int32_t value : {1, 7, 1000, 65535, 1 << 29, 2147483647}) {
        SetField(field, kSixteenBitField, rows);
        Roughen(field, RoughMode::Middle, value, 12345);
        RandomGenerator generator = StartedGenerator(12345);
        for (int x = 0; x < 400; ++x) {
            int64_t expected = Clamp(MiddleByDefinition(rows[0][size_t(x)], value, generator.Next()), 65535);
            ASSERT_EQ(field.FieldValue(x, 0), expected) << "value " << value << " at " << x;
        }
    }
}

TEST(Roughen, DownClampsAtZeroAndUpAtTheTop) {
    HeightField field;
    SetField(field, kEightBitField, {{255, 255, 255, 255, 255, 255}});
    Roughen(field, RoughMode::Up, 100, 3);
    EXPECT_EQ(ReadValues(field), (Heights{{255, 255, 255, 255, 255, 255}}));
    Roughen(field, RoughMode::Down, 100000, 3);
    RandomGenerator generator = StartedGenerator(3);
    for (int x = 0; x < 6; ++x) {
        generator.Next();
        int64_t drop = int64_t(uint32_t(generator.Next()) * 100001u / 32767u);
        EXPECT_EQ(field.FieldValue(x, 0), Clamp(255 - drop, 255));
    }
}

TEST(Roughen, ProductsWrapAtThirtyTwoBits) {
    HeightField field;
    SetField(field, kSixteenBitField, {{0, 0, 0, 0, 0, 0, 0, 0}});
    const int32_t value = 2000000000;
    Roughen(field, RoughMode::Up, value, 9);
    RandomGenerator generator = StartedGenerator(9);
    for (int x = 0; x < 8; ++x) {
        generator.Next();
        uint32_t product = uint32_t(generator.Next()) * uint32_t(value + 1u);
        EXPECT_EQ(field.FieldValue(x, 0), Clamp(product / 32767u, 65535));
    }
}

TEST(Roughen, RefreshesAfterEachRowInAnEightBitFieldAndDrawsRowsInASixteenBitOne) {
    CountingPainter painter;
    HeightField narrow;
    SetField(narrow, kEightBitField, {{1}, {2}, {3}});
    narrow.SetPainter(&painter);
    Roughen(narrow, RoughMode::Middle, 4, 1);
    EXPECT_TRUE(painter.rows.empty());
    EXPECT_EQ(painter.refreshes, 3);

    CountingPainter widePainter;
    HeightField wide;
    SetField(wide, kSixteenBitField, {{1}, {2}, {3}});
    wide.SetPainter(&widePainter);
    Roughen(wide, RoughMode::Middle, 4, 1);
    EXPECT_EQ(widePainter.rows, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(widePainter.refreshes, 0);
}

TEST(RoughenArea, DrawsNumbersOnlyForTargetsAndLeavesTheRestUntouched) {
    const uint32_t stray = 0x7F0203;  // 16-bit value 0x0203 with a stray blue byte
    HeightField field;
    SetPixels(field, kSixteenBitField, {{stray, stray, stray}, {stray, stray, stray}});
    SetMask(field, {{1, 0, 1}, {0, 1, 0}});
    RoughenArea(field, kAreaInside, RoughMode::Up, 50, 21);
    RandomGenerator generator = StartedGenerator(21);
    const int inside[2][3] = {{1, 0, 1}, {0, 1, 0}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            if (inside[y][x]) {
                EXPECT_EQ(field.FieldValue(x, y), 0x0203 + generator.Next() * 50 / 32767);
            } else {
                EXPECT_EQ(field.working().ReadPixel(x, y), stray);
            }
        }
    }
}

TEST(RoughenArea, MiddleLowersByValueOrKeeps) {
    HeightField field;
    Heights rows(4, std::vector<int>(50, 100));
    SetField(field, kEightBitField, rows);
    RoughenArea(field, kAreaOutside, RoughMode::Middle, 10, 5);
    RandomGenerator generator = StartedGenerator(5);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 50; ++x) {
            int r = generator.Next();
            EXPECT_EQ(field.FieldValue(x, y), r <= 16383 ? 90 : r == 32767 ? 110 : 100);
        }
    }
}

TEST(RoughenArea, GivesNoValueARealValueAndRefreshesOnceInASixteenBitField) {
    CountingPainter painter;
    HeightField field;
    SetField(field, kSixteenBitField, {{-1, -1}, {-1, -1}});
    field.SetPainter(&painter);
    RoughenArea(field, kAreaOutside, RoughMode::Down, 1, 8);
    for (const auto& row : ReadValues(field)) {
        for (int value : row) EXPECT_EQ(value, 0);
    }
    EXPECT_EQ(painter.rows, (std::vector<int>{0, 1}));
    EXPECT_EQ(painter.refreshes, 1);
}

namespace {

// Position by position, one draw at a time, as the rules read.
Heights RoughenByDefinition(const Heights& rows, const std::vector<std::vector<int>>& inside, int kind,
                            int area, RoughMode mode, int32_t value, uint32_t seed) {
    const int64_t top = kind == kSixteenBitField ? 65535 : 255;
    RandomGenerator generator = StartedGenerator(seed);
    Heights out = rows;
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            if (area != kAreaWhole && inside[y][x] != (area == kAreaInside)) continue;
            int64_t z = rows[y][x];
            int r = generator.Next();
            if (area == kAreaWhole && mode != RoughMode::Middle) r = generator.Next();
            const uint32_t span = area == kAreaWhole ? uint32_t(value) + 1u : uint32_t(value);
            const int64_t scaled = int64_t(uint32_t(r) * span / 32767u);
            if (mode == RoughMode::Up) z += scaled;
            if (mode == RoughMode::Down) z -= scaled;
            if (mode == RoughMode::Middle) z = area == kAreaWhole ? MiddleByDefinition(z, value, r) : z + (2 * r / 32767) * value - value;
            // An 8-bit value reads back as the blue byte of its palette entry.
            const int kept = int(Clamp(z, top));
            out[y][x] = kind == kEightBitField ? DefaultPalette()[size_t(kept)].B() : kept;
        }
    }
    return out;
}

}  // namespace

TEST(Roughen, WholeAndAreaRunsMatchTheRuleForEveryKindModeAndSize) {
    // Rows 0 to 2 are partly selected, row 3 wholly and row 4 not at all.
    Heights rows(5);
    std::vector<std::vector<int>> inside(5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 23; ++x) {
            int pick = (x * 7 + y * 5) % 6;
            rows[size_t(y)].push_back(pick == 0 ? -1 : pick == 1 ? 0 : (x * 2971 + y * 113) % 65536);
            inside[size_t(y)].push_back(y == 3 || (y < 3 && (x * x + y) % 3 == 0));
        }
    }
    for (int kind : {kEightBitField, kSixteenBitField}) {
        Heights start = rows;
        for (auto& row : start) {
            for (int& z : row) z = kind == kEightBitField && z > 255 ? z % 256 : z;
        }
        for (RoughMode mode : {RoughMode::Up, RoughMode::Middle, RoughMode::Down}) {
            for (int32_t value : {3, 300, 70000, 2147483647}) {
                for (int area : {kAreaWhole, kAreaInside, kAreaOutside}) {
                    HeightField field;
                    SetField(field, kind, start);
                    SetMask(field, inside);
                    const Heights before = ReadValues(field);  // 8-bit: the blue bytes of the entries
                    if (area == kAreaWhole) {
                        Roughen(field, mode, value, 4242);
                    } else {
                        RoughenArea(field, area, mode, value, 4242);
                    }
                    ASSERT_EQ(ReadValues(field), RoughenByDefinition(before, inside, kind, area, mode, value, 4242))
                        << "kind " << kind << " mode " << int(mode) << " value " << value << " area " << area;
                }
            }
        }
    }
}
