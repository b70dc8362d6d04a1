#include <gtest/gtest.h>

#include <utility>

#include "framework/draw/raster.h"

// Field images are large rasters, held in memory mapped apart from the heap; small ones
// come from the heap. Both kinds must read as zero when new and copy and move whole.
namespace {

constexpr int kLargeSide = 1500;  // about 9 MB of pixels

class ImageMemory : public ::testing::TestWithParam<int> {};

TEST_P(ImageMemory, StartsAtZeroAndComesBackToZeroAfterAResize) {
    const int side = GetParam();
    Raster raster(side, side);
    ASSERT_FALSE(raster.IsEmpty());
    EXPECT_EQ(raster.At(0, 0), 0u);
    EXPECT_EQ(raster.At(side - 1, side - 1), 0u);
    raster.Fill(0xABCDEF);
    ASSERT_TRUE(raster.Resize(side, side));
    EXPECT_EQ(raster.At(side / 2, side / 2), 0u);
    EXPECT_EQ(raster.At(side - 1, side - 1), 0u);
}

TEST_P(ImageMemory, CopiesAreIndependentAndMovesLeaveTheSourceEmpty) {
    const int side = GetParam();
    Raster original(side, side);
    original.Fill(0x123456);
    original.Set(side - 1, side - 1, 7);

    Raster copy(original);
    copy.Set(0, 0, 9);
    EXPECT_EQ(copy.At(side - 1, side - 1), 7u);
    EXPECT_EQ(original.At(0, 0), 0x123456u);

    Raster assigned;
    assigned = copy;
    EXPECT_EQ(assigned.At(0, 0), 9u);
    const Raster& same = assigned;
    assigned = same;
    EXPECT_EQ(assigned.At(side - 1, side - 1), 7u);

    Raster moved(std::move(copy));
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_EQ(moved.Width(), side);
    EXPECT_EQ(moved.At(0, 0), 9u);
    moved = Raster(2, 2);
    EXPECT_EQ(moved.Width(), 2);
    EXPECT_EQ(moved.At(1, 1), 0u);
}

// A view's surface as its scroll bars come and go: the pixels that still fit stay where
// they are and the rest takes the fill, whether the size shrinks or grows.
TEST_P(ImageMemory, ResizeKeepingKeepsWhatStillFitsAndFillsTheRest) {
    const int side = GetParam();
    constexpr uint32_t kFill = 0xFFFFFF;
    auto original = [side](int x, int y) { return uint32_t(y * side + x); };
    Raster raster(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) raster.Set(x, y, original(x, y));
    }
    auto keeps = [&](int keptWidth, int keptHeight) {
        for (int y = 0; y < raster.Height(); ++y) {
            for (int x = 0; x < raster.Width(); ++x) {
                uint32_t expected = x < keptWidth && y < keptHeight ? original(x, y) : kFill;
                if (raster.At(x, y) != expected) return false;
            }
        }
        return true;
    };
    ASSERT_TRUE(raster.ResizeKeeping(side - 1, side - 2, kFill));
    EXPECT_EQ(raster.Width(), side - 1);
    EXPECT_TRUE(keeps(side - 1, side - 2));
    ASSERT_TRUE(raster.ResizeKeeping(side + 1, side, kFill));
    EXPECT_EQ(raster.Height(), side);
    EXPECT_TRUE(keeps(side - 1, side - 2));
    EXPECT_FALSE(raster.ResizeKeeping(-1, side, kFill));
    EXPECT_EQ(raster.Width(), side + 1);
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, ImageMemory, ::testing::Values(3, kLargeSide));

TEST(ImageMemory, ReshapeKeepsThePixelsWhereTheyLieAndNeverGrows) {
    Raster raster(kLargeSide, kLargeSide);
    raster.Set(0, 0, 11);
    raster.Set(5, 0, 12);
    EXPECT_FALSE(raster.Reshape(kLargeSide + 1, kLargeSide));
    ASSERT_TRUE(raster.Reshape(kLargeSide / 2, kLargeSide / 2));
    EXPECT_EQ(raster.Width(), kLargeSide / 2);
    EXPECT_EQ(raster.At(0, 0), 11u);
    EXPECT_EQ(raster.At(5, 0), 12u);
    raster.Set(kLargeSide / 2 - 1, kLargeSide / 2 - 1, 13);
    // Down to a size small rasters take from the heap, then copied and freed as usual.
    // The sixth pixel in memory is now the last of three rows of two.
    ASSERT_TRUE(raster.Reshape(2, 3));
    EXPECT_EQ(raster.At(1, 2), 12u);
    EXPECT_EQ(raster.At(1, 0), 0u);
    EXPECT_EQ(raster.At(0, 0), 11u);
    Raster copy(raster);
    EXPECT_EQ(copy.At(0, 0), 11u);
    EXPECT_EQ(copy.Height(), 3);
    ASSERT_TRUE(raster.Resize(kLargeSide, 1));
    EXPECT_EQ(raster.At(0, 0), 0u);
}

TEST(ImageMemory, RefusesANegativeSizeAndKeepsThePixels) {
    Raster raster(kLargeSide, 2);
    raster.Set(kLargeSide - 1, 1, 5);
    EXPECT_FALSE(raster.Resize(-1, 4));
    EXPECT_EQ(raster.Width(), kLargeSide);
    EXPECT_EQ(raster.At(kLargeSide - 1, 1), 5u);
    EXPECT_TRUE(raster.Resize(0, 4));
    EXPECT_TRUE(raster.IsEmpty());
}

}  // namespace
