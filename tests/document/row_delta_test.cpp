// A delta turns the rows it was made from into each other, byte for byte, and costs
// little where little changed.
#include <gtest/gtest.h>

#include <random>

#include "document/row_delta.h"

namespace {

void Fill(HeightField& field, int width, int height, uint32_t seed) {
    field.ReplaceField(width, height);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = field.WritableRow(y);
        for (int x = 0; x < width; ++x) row[x] = random();
    }
}

std::vector<uint32_t> Pixels(const HeightField& field) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < field.height(); ++y) {
        pixels.insert(pixels.end(), field.working().RowPixels(y), field.working().RowPixels(y) + field.width());
    }
    return pixels;
}

}  // namespace

// Random pixels changed by a difference (a value added, with carries between bytes)
// and by flipped bits, in rows that are and are not next to each other, on a field wide
// enough for several blocks.
TEST(RowDelta, TurnsChangedRowsBackAndForwardExactly) {
    HeightField field;
    Fill(field, 700, 300, 1);
    const std::vector<uint32_t> before = Pixels(field);
    std::vector<int> rows;
    for (int y = 0; y < 300; y += (y % 7 == 0 ? 1 : 3)) rows.push_back(y);
    for (int y : rows) {
        uint32_t* row = field.WritableRow(y);
        for (int x = y % 50; x < 700 - y % 90; ++x) row[x] = (y % 2) ? row[x] + 0x01FF : row[x] ^ 0x80000001u;
    }
    const std::vector<uint32_t> after = Pixels(field);
    std::shared_ptr<const RowDelta> delta =
        RowDelta::Between(field.working(), rows, [&](int y) { return before.data() + size_t(y) * 700; });

    delta->Apply(field, StepDirection::Back);
    EXPECT_TRUE(Pixels(field) == before);
    delta->Apply(field, StepDirection::Forward);
    EXPECT_TRUE(Pixels(field) == after);
}

TEST(RowDelta, RowsLeftAsTheyWereAndUnchangedBytesCostAlmostNothing) {
    HeightField field;
    Fill(field, 1000, 400, 2);
    const std::vector<uint32_t> before = Pixels(field);
    std::vector<int> rows(400);
    for (int y = 0; y < 400; ++y) rows[size_t(y)] = y;
    auto was = [&](int y) { return before.data() + size_t(y) * 1000; };
    EXPECT_TRUE(RowDelta::Between(field.working(), rows, was)->empty());

    // A 16-bit-like change of the low bytes in a 100 x 100 square.
    for (int y = 150; y < 250; ++y) {
        uint32_t* row = field.WritableRow(y);
        for (int x = 300; x < 400; ++x) row[x] = (row[x] & 0xFFFF0000u) | ((row[x] + 3) & 0xFFFF);
    }
    std::shared_ptr<const RowDelta> delta = RowDelta::Between(field.working(), rows, was);
    EXPECT_LT(delta->bytes(), 100u * 100u * 2u) << "no more than two bytes a changed position";
}

TEST(RowDelta, MakesAWholeImageAgain) {
    HeightField field;
    Fill(field, 333, 211, 3);
    std::shared_ptr<const RowDelta> image = RowDelta::OfImage(field.working());
    EXPECT_EQ(image->width(), 333);
    EXPECT_EQ(image->height(), 211);
    std::vector<uint32_t> made(333 * 211, 0xDEADBEEF);
    image->Restore([&](int y) { return made.data() + size_t(y) * 333; });
    EXPECT_TRUE(made == Pixels(field));
}
