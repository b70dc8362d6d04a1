#include <gtest/gtest.h>

#include "core/height_field.h"
#include "scratch.h"

namespace {

class CountingPainter : public FieldPainter {
public:
    void ClearSurface() override { ++clears; }
    int clears = 0;
};

TEST(HeightField, StartsAsFourHundredSquareWithoutValues) {
    HeightField field;
    EXPECT_EQ(field.width(), 400);
    EXPECT_EQ(field.height(), 400);
    EXPECT_EQ(field.kind(), kEightBitField);
    for (int y = 0; y < 400; y += 57)
        for (int x = 0; x < 400; x += 31) EXPECT_EQ(field.FieldValue(x, y), -1);
}

TEST(HeightField, ReadsNoValueOutsideTheField) {
    HeightField field;
    FillField(field, {{7, 8}, {9, 10}}, kEightBitField);
    EXPECT_EQ(field.FieldValue(1, 1), 10);
    EXPECT_EQ(field.FieldValue(2, 0), -1);
    EXPECT_EQ(field.FieldValue(0, 2), -1);
    EXPECT_EQ(field.FieldValue(-1, 0), -1);
    EXPECT_EQ(field.MaskTest(2, 0), -1);
    EXPECT_EQ(field.MaskTest(0, -1), -1);
}

TEST(HeightField, EightBitValuesComeBackFromTheBlueByte) {
    HeightField field;
    FillField(field, {{0, 17, 240, 241, 254, 255}}, kEightBitField);
    EXPECT_EQ(field.working().ReadPixel(1, 0), vColor(77, 31, 17).Pixel());
    // Entries 241 to 254 of the default table carry blue 255, so they read back as 255.
    EXPECT_EQ(Values(field)[0], (std::vector<int>{0, 17, 240, 255, 255, 255}));
}

TEST(HeightField, SixteenBitTopValueIsNotMistakenForNoValue) {
    HeightField field;
    FillField(field, {{65535, 0, 0x1234}}, kSixteenBitField);
    EXPECT_EQ(field.working().ReadPixel(0, 0), 0x00FFFFu);
    EXPECT_EQ(field.working().ReadPixel(2, 0), 0x001234u);
    EXPECT_EQ(Values(field)[0], (std::vector<int>{65535, 0, 0x1234}));
}

TEST(HeightField, SixteenBitValueIgnoresTheBlueByte) {
    HeightField field;
    field.SetKind(kSixteenBitField);
    vColor pixel = vColor::FromPixel(0x0A3412);
    field.WriteRow(0, std::vector<vColor>(400, pixel).data());
    EXPECT_EQ(field.FieldValue(5, 0), 0x3412);
}

TEST(HeightField, MaskTestFollowsTheKindsRule) {
    HeightField field;
    field.ReplaceField(3, 1);
    std::vector<vColor> mask = {vColor::FromPixel(0x000000), vColor::FromPixel(0xFFFFFF),
                                vColor::FromPixel(0x010000)};
    field.mask().PaintPixelStrip(0, 0, 3, mask.data());
    EXPECT_EQ(field.MaskTest(0, 0), 0);
    EXPECT_EQ(field.MaskTest(1, 0), 1);
    EXPECT_EQ(field.MaskTest(2, 0), 1);  // lowest blue bit set
    field.SetKind(kSixteenBitField);
    EXPECT_EQ(field.MaskTest(0, 0), 0);
    EXPECT_EQ(field.MaskTest(1, 0), 1);
    EXPECT_EQ(field.MaskTest(2, 0), 0);  // not white
}

TEST(HeightField, RestoreReturnsToTheSnapshot) {
    HeightField field;
    FillField(field, {{1, 2, 3}, {4, 5, 6}}, kEightBitField);
    field.SnapshotField();
    std::vector<vColor> changed(3, field.ValueColor(9));
    field.WriteRow(0, changed.data());
    field.WriteRow(1, changed.data());
    field.RestoreField();
    EXPECT_EQ(Values(field), (std::vector<std::vector<int>>{{1, 2, 3}, {4, 5, 6}}));
}

// Big images are cleared and copied in bulk past the cache; an odd width leaves rows
// that start and end off any alignment, so every pixel is checked.
TEST(HeightField, LargeImagesClearAndCopyEveryPixel) {
    constexpr int kWidth = 2051, kHeight = 1031;
    HeightField field;
    ASSERT_TRUE(field.ReplaceField(kWidth, kHeight));
    auto countOf = [&](const TarnMemoryDC& image, auto wanted) {
        int64_t matching = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) matching += image.ReadPixel(x, y) == wanted(x, y);
        return matching;
    };
    const int64_t all = int64_t(kWidth) * kHeight;
    auto white = [](int, int) { return kNoValuePixel; };
    EXPECT_EQ(countOf(field.working(), white), all);
    EXPECT_EQ(countOf(field.undo(), white), all);
    EXPECT_EQ(countOf(field.mask(), white), all);

    auto pattern = [](int x, int y) { return uint32_t(x * 31 + y * 7) & 0xFFFF; };
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) field.working().MutableRowPixels(y)[x] = pattern(x, y);
    field.SnapshotField();
    EXPECT_EQ(countOf(field.undo(), pattern), all);
    field.working().Erase();
    EXPECT_EQ(countOf(field.working(), white), all);
    field.RestoreField();
    EXPECT_EQ(countOf(field.working(), pattern), all);
}

TEST(HeightField, ReplacingMakesEveryImageWhiteAtTheNewSize) {
    HeightField field;
    CountingPainter painter;
    field.SetPainter(&painter);
    for (int size : {3, 3}) {  // the same size again must clear as well
        FillField(field, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, kEightBitField);
        field.SnapshotField();
        field.mask().PaintPixelStrip(0, 0, 1, std::vector<vColor>(1).data());
        ASSERT_TRUE(field.ReplaceField(size, 2));
        EXPECT_EQ(field.width(), size);
        EXPECT_EQ(field.height(), 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < size; ++x) {
                EXPECT_EQ(field.working().ReadPixel(x, y), kNoValuePixel);
                EXPECT_EQ(field.undo().ReadPixel(x, y), kNoValuePixel);
                EXPECT_EQ(field.mask().ReadPixel(x, y), kNoValuePixel);
            }
    }
    EXPECT_GE(painter.clears, 2);
}

TEST(HeightField, RefusedSizesChangeNothing) {
    HeightField field;
    FillField(field, {{1, 2}}, kEightBitField);
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 4}, {65536, 1}, {8193, 8192}}) {
        EXPECT_FALSE(field.ReplaceField(w, h)) << w << "x" << h;
    }
    EXPECT_EQ(field.width(), 2);
    EXPECT_EQ(Values(field)[0], (std::vector<int>{1, 2}));
    EXPECT_TRUE(HeightField::AcceptableSize(65535, 1));
    EXPECT_TRUE(HeightField::AcceptableSize(8192, 8192));
    EXPECT_FALSE(HeightField::AcceptableSize(int64_t(1) << 40, int64_t(1) << 40));
}

}  // namespace

namespace {

// What a held load showed: each row drawn with the rows ready then, the shares told, and
// how often the view was cleared and refreshed.
class LoadWatcher : public FieldPainter {
public:
    explicit LoadWatcher(const HeightField& field) : field_(field) {}
    void DrawRow(int y) override { drawn.push_back({y, field_.RowsReady()}); }
    void Progress(int64_t done, int64_t total) override { shares.push_back({done, total}); }
    void ClearSurface() override { ++clears; }
    void RefreshView() override { ++refreshes; }

    std::vector<std::pair<int, int>> drawn;
    std::vector<std::pair<int64_t, int64_t>> shares;
    int clears = 0;
    int refreshes = 0;

private:
    const HeightField& field_;
};

// Rows of the load's width, which a load that is not held has not given the field yet.
void StoreRows(HeightField& field, int width, int from, int to, uint32_t pixel) {
    for (int y = from; y < to; ++y) {
        std::fill_n(field.LoadRow(y), width, pixel);
        field.RowLoaded(y);
    }
}

}  // namespace

// A held load takes the new size and kind at once, so the view shows its rows as they
// arrive, and gives back the field it held, commit and mask included, when it is cut short.
TEST(HeightField, AHeldLoadShowsItsRowsAndGivesTheFieldBackWhenCutShort) {
    HeightField field;
    LoadWatcher watcher(field);
    field.SetPainter(&watcher);
    ASSERT_TRUE(field.ReplaceField(5, 4));
    field.working().MutableRowPixels(1)[2] = field.ValueColor(9).Pixel();
    field.SnapshotField();
    field.working().MutableRowPixels(1)[2] = field.ValueColor(7).Pixel();
    field.mask().MutableRowPixels(0)[0] = 0;

    field.HoldForNextLoad();
    ASSERT_TRUE(field.BeginLoad(3, 6, kSixteenBitField));
    EXPECT_EQ(field.width(), 3);
    EXPECT_EQ(field.kind(), kSixteenBitField);
    EXPECT_EQ(field.RowsReady(), 0);
    StoreRows(field, 3, 0, 2, 0x1234);
    EXPECT_EQ(watcher.drawn, (std::vector<std::pair<int, int>>{{0, 1}, {1, 2}}));
    EXPECT_EQ(watcher.shares, (std::vector<std::pair<int64_t, int64_t>>{{1, 6}, {2, 6}}));
    EXPECT_EQ(field.FieldValue(2, 1), 0x1234);
    field.EndLoad(2);

    EXPECT_EQ(field.width(), 5);
    EXPECT_EQ(field.height(), 4);
    EXPECT_EQ(field.RowsReady(), 4);
    EXPECT_EQ(field.kind(), kEightBitField);
    EXPECT_EQ(field.FieldValue(2, 1), 7);
    EXPECT_EQ(field.undo().ReadPixel(2, 1), field.ValueColor(9).Pixel());
    EXPECT_EQ(field.MaskTest(0, 0), 0);
    EXPECT_EQ(watcher.refreshes, 1);

    // Whole, it stays. A load that is not held shows nothing until it ends.
    field.HoldForNextLoad();
    ASSERT_TRUE(field.BeginLoad(3, 6, kSixteenBitField));
    StoreRows(field, 3, 0, 6, 0x4321);
    field.EndLoad(6);
    field.DropLoadHold();
    EXPECT_EQ(field.width(), 3);
    EXPECT_EQ(field.RowsReady(), 6);
    EXPECT_EQ(field.FieldValue(2, 5), 0x4321);
    EXPECT_FALSE(field.HasMask());
    watcher.drawn.clear();
    ASSERT_TRUE(field.BeginLoad(2, 2, kEightBitField));
    EXPECT_EQ(field.width(), 3);
    StoreRows(field, 2, 0, 2, 0);
    EXPECT_TRUE(watcher.drawn.empty());
    field.AbandonLoad();
    EXPECT_EQ(field.FieldValue(2, 5), 0x4321);
    field.SetPainter(nullptr);
}
