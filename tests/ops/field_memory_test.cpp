#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

#include "core/field_file.h"
#include "core/render_palette.h"
#include "field_builder.h"
#include "ops/conversion.h"
#include "ops/operation_table.h"
#include "ops/row_traversal.h"
#include "ops/selection.h"
#include "ops/tile_operations.h"
#include "ops/value_operations.h"
#include "ops/zoom.h"

// The field makes its undo image and mask only when they must differ from what the
// working image and "no selection" already say. These follow the states in which that
// bookkeeping can go wrong: each checks what a user sees (the values after Undo) and
// that the memory went back.
namespace {

const Heights kStart = {{1, 2, 3}, {4, 5, 6}};

void Outline(FieldSelection& selection, std::initializer_list<vPoint> points) {
    selection.Begin();
    for (vPoint point : points) selection.AddVertex(point.x, point.y);
}

TEST(FieldMemory, AnEditAfterACommitCopiesFirstAndUndoGoesBackToTheCommit) {
    HeightField field;
    SetField(field, kEightBitField, kStart);
    EXPECT_FALSE(field.HasUndoImage());
    EXPECT_FALSE(field.HasMask());
    AddValue(field, kAreaWhole, 10);
    EXPECT_TRUE(field.HasUndoImage());
    AddValue(field, kAreaWhole, 10);  // the second edit keeps the same commit
    field.RestoreField();
    EXPECT_EQ(ReadValues(field), kStart);
    EXPECT_FALSE(field.HasUndoImage());
    field.RestoreField();  // undo equal to working: nothing to do
    EXPECT_EQ(ReadValues(field), kStart);
}

TEST(FieldMemory, KeepTwiceHoldsTheKeptFieldAndAnotherEditUndoesToIt) {
    HeightField field;
    SetField(field, kSixteenBitField, kStart);
    InvertValues(field, kAreaWhole);
    field.SnapshotField();
    field.SnapshotField();
    EXPECT_FALSE(field.HasUndoImage());
    const Heights kept = ReadValues(field);
    field.RestoreField();
    EXPECT_EQ(ReadValues(field), kept);
    FillValue(field, kAreaWhole, 7);
    field.RestoreField();
    EXPECT_EQ(ReadValues(field), kept);
}

TEST(FieldMemory, AFieldThatKeepsNoUndoMakesNoCopy) {
    HeightField field;
    SetField(field, kEightBitField, kStart);
    field.KeepNoUndo();
    AddValue(field, kAreaWhole, 10);
    EXPECT_FALSE(field.HasUndoImage());
    field.RestoreField();
    EXPECT_EQ(field.FieldValue(0, 0), 11);
}

TEST(FieldMemory, AZoomWithASelectionEndsCommittedWithTheScaledPolygonInANewMask) {
    HeightField field;
    SetField(field, kEightBitField, Heights(8, std::vector<int>(8, 50)));
    FieldSelection selection;
    Outline(selection, {{0, 0}, {4, 0}, {0, 4}});
    ASSERT_TRUE(selection.Close(field));
    AddValue(field, kAreaWhole, 1);  // an uncommitted edit: the caller commits first
    field.SnapshotField();

    ASSERT_EQ(Zoom(field, ZoomMode::Expand, &selection), ZoomOutcome::kDone);
    EXPECT_FALSE(field.HasUndoImage());
    ASSERT_TRUE(field.HasMask());
    EXPECT_EQ(field.MaskTest(2, 2), 0);    // inside the doubled triangle
    EXPECT_EQ(field.MaskTest(12, 12), 1);  // beyond it
    field.RestoreField();
    EXPECT_EQ(field.FieldValue(15, 0), 51);

    ASSERT_EQ(Zoom(field, ZoomMode::Shrink, &selection), ZoomOutcome::kDone);
    EXPECT_FALSE(field.HasUndoImage());
    EXPECT_EQ(field.MaskTest(1, 1), 0);
    EXPECT_EQ(field.MaskTest(6, 6), 1);
    EXPECT_EQ(Zoom(field, ZoomMode::Shrink, nullptr), ZoomOutcome::kDone);
    EXPECT_FALSE(field.HasMask());
}

TEST(FieldMemory, APaletteRepaintAfterACommitIsItselfCommitted) {
    HeightField field;
    SetField(field, kEightBitField, kStart);
    AddValue(field, kAreaWhole, 1);
    field.SnapshotField();
    Palette palette = DefaultPalette();
    palette[3] = vColor(9, 9, 3);
    RenderPalette(field, palette);
    EXPECT_FALSE(field.HasUndoImage());
    EXPECT_EQ(field.working().ReadPixel(1, 0), palette[3].Pixel());
    field.RestoreField();
    EXPECT_EQ(field.working().ReadPixel(1, 0), palette[3].Pixel());
    EXPECT_EQ(ReadValues(field), (Heights{{2, 3, 4}, {5, 6, 7}}));
}

TEST(FieldMemory, AConversionAfterAnUndoConvertsTheCommittedField) {
    HeightField field;
    SetField(field, kEightBitField, kStart);
    FillValue(field, kAreaWhole, 200);
    field.RestoreField();
    RunConvertToPpm(field);
    EXPECT_FALSE(field.HasUndoImage());
    EXPECT_EQ(ReadValues(field), (Heights{{256, 512, 768}, {1024, 1280, 1536}}));
    field.RestoreField();
    EXPECT_EQ(field.kind(), kSixteenBitField);
    EXPECT_EQ(field.FieldValue(2, 1), 1536);
}

TEST(FieldMemory, ASelectionStartedAbandonedAndStartedAgainHasAMaskOnlyOnceChosen) {
    HeightField field;
    SetField(field, kEightBitField, Heights(6, std::vector<int>(6, 9)));
    FieldSelection selection;
    Outline(selection, {{1, 1}, {4, 4}});
    EXPECT_FALSE(selection.Close(field));
    EXPECT_FALSE(field.HasMask());
    // Without a mask every position is outside: inside changes nothing, outside all.
    FillValue(field, kAreaInside, 1);
    EXPECT_EQ(field.FieldValue(2, 2), 9);
    FillValue(field, kAreaOutside, 2);
    EXPECT_EQ(field.FieldValue(2, 2), 2);

    Outline(selection, {{0, 0}, {6, 0}, {0, 6}});
    EXPECT_FALSE(field.HasMask());
    ASSERT_TRUE(selection.Close(field));
    EXPECT_TRUE(field.HasMask());
    FillValue(field, kAreaInside, 3);
    EXPECT_EQ(field.FieldValue(1, 1), 3);
    EXPECT_EQ(field.FieldValue(5, 5), 2);
    selection.End(field);
    EXPECT_FALSE(field.HasMask());
    EXPECT_EQ(field.MaskTest(1, 1), 1);
}

// A limit of the address space stands in for a machine without the memory: room for
// small buffers, not for a copy of the field.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(std::size_t headroom) {
        getrlimit(RLIMIT_AS, &previous_);
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit limit = previous_;
        limit.rlim_cur = pages * std::size_t(sysconf(_SC_PAGESIZE)) + headroom;
        setrlimit(RLIMIT_AS, &limit);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &previous_); }

private:
    rlimit previous_;
};

TEST(FieldMemory, AnEditWithoutMemoryForTheUndoCopyChangesNothingAndUndoStillWorks) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer cannot run within a limited address space";
#endif
    constexpr int kSide = 2048;  // an image of 16 MiB
    HeightField field;
    SetField(field, kSixteenBitField, Heights(kSide, std::vector<int>(kSide, 0)));
    field.WriteRow(0, std::vector<vColor>(kSide, field.ValueColor(5)).data());
    field.SnapshotField();
    const auto committed = ReadPixels(field);
    {
        AddressSpaceLimit limit(std::size_t(4) << 20);
        for (DriverReport report : {RunOperation(Operation::Inc, field, {.valueText = "1"}),
                                    RunOperation(Operation::MirrorUD, field, {})}) {
            EXPECT_FALSE(report.ran);
            EXPECT_TRUE(report.outOfMemory);
            EXPECT_EQ(report.message, NoMemoryMessage(kSide, kSide));
        }
    }
    EXPECT_EQ(ReadPixels(field), committed);
    EXPECT_TRUE(RunOperation(Operation::MirrorUD, field, {}).ran);
    EXPECT_EQ(field.FieldValue(0, kSide - 1), 5);
    field.RestoreField();
    EXPECT_EQ(ReadPixels(field), committed);
}

}  // namespace
