#include <gtest/gtest.h>

#include <vector>

#include "field_builder.h"
#include "ops/conversion.h"
#include "ops/operation_table.h"
#include "ops/random_generator.h"
#include "ops/row_traversal.h"
#include "ops/value_text.h"

TEST(RandomGenerator, SeededWithOneDropsThreeHundredFortySixThenGivesTheKnownRun) {
    RandomGenerator generator;
    generator.Seed(1);
    EXPECT_EQ(generator.Next(), 130);
    EXPECT_EQ(generator.Next(), 10982);
    EXPECT_EQ(generator.Next(), 1090);
    EXPECT_EQ(generator.Next(), 11656);
}

TEST(RandomGenerator, DrawingRoundsAtOnceGivesWhatOneByOneGives) {
    for (int stride : {1, 2, 3}) {
        for (int count = 0; count <= 19; ++count) {
            RandomGenerator batch, single;
            batch.Seed(99);
            single.Seed(99);
            std::vector<uint32_t> numbers(size_t(count) + 1, 0xFFFF);
            batch.DrawRounds(count, stride, numbers.data());
            for (int n = 0; n < count; ++n) {
                for (int i = 1; i < stride; ++i) single.Next();
                ASSERT_EQ(numbers[size_t(n)], uint32_t(single.Next())) << "stride " << stride << " count " << count;
            }
            EXPECT_EQ(numbers[size_t(count)], 0xFFFFu);
            EXPECT_EQ(batch.Next(), single.Next()) << "stride " << stride << " count " << count;
        }
    }
}

TEST(ValueText, ReadsLikeTheDialogs) {
    EXPECT_EQ(ReadValueText("12abc"), 12);
    EXPECT_EQ(ReadValueText("abc"), 0);
    EXPECT_EQ(ReadValueText(""), 0);
    EXPECT_EQ(ReadValueText(" -5"), -5);
    EXPECT_EQ(ReadValueText("\t +7 8"), 7);
    EXPECT_EQ(ReadValueText("- 5"), 0);
    EXPECT_EQ(ReadValueText("--5"), 0);
}

TEST(ValueText, TakesOnlyTheFirstElevenCharacters) {
    EXPECT_EQ(ReadValueText("00000000000042"), 0);
    EXPECT_EQ(ReadValueText("          42"), 4);
    EXPECT_EQ(ReadValueText("1234567890123"), 2147483647);
    EXPECT_EQ(ReadValueText("-9999999999999"), -2147483647 - 1);
    EXPECT_EQ(ReadValueText("2147483648"), 2147483647);
}

namespace {

DriverReport RunOn(HeightField& field, Operation operation, const char* text = "") {
    return RunOperation(operation, field, {.valueText = text, .seed = 1});
}

}  // namespace

TEST(Drivers, RefuseValuesBelowTheirLeastAndChangeNothing) {
    HeightField field;
    SetField(field, kEightBitField, {{5, 6}});
    for (Operation operation : {Operation::Rough, Operation::Cut, Operation::Clip, Operation::Inc, Operation::Dec}) {
        for (const char* text : {"0", "", "abc", " -5"}) {
            DriverReport report = RunOn(field, operation, text);
            EXPECT_FALSE(report.ran);
            EXPECT_EQ(report.message, "Value Wrong!!");
        }
    }
    EXPECT_EQ(RunOn(field, Operation::Fill, "-1").message, "Value Wrong!!");
    EXPECT_EQ(ReadValues(field), (Heights{{5, 6}}));
    EXPECT_FALSE(RunOn(field, Operation::None).ran);
}

TEST(Drivers, FillTakesZeroAndAnEmptyText) {
    HeightField field;
    SetField(field, kEightBitField, {{5, 6}});
    EXPECT_EQ(RunOn(field, Operation::Fill).message, "Flating DONE");
    EXPECT_EQ(ReadValues(field), (Heights{{0, 0}}));
}

TEST(Drivers, ReportTheirOwnCompletionMessages) {
    HeightField field;
    SetField(field, kSixteenBitField, {{100, 200}, {300, 400}});
    EXPECT_EQ(RunOn(field, Operation::Rough, "16").message, "Roughing DONE");
    EXPECT_EQ(RunOn(field, Operation::Smooth).message, "Smoothing DONE");
    EXPECT_EQ(RunOn(field, Operation::Cut, "1").message, "Cuting DONE");
    EXPECT_EQ(RunOn(field, Operation::Clip, "1000").message, "CLiping DONE");
    EXPECT_EQ(RunOn(field, Operation::Inc, "1").message, "Incresing DONE");
    EXPECT_EQ(RunOn(field, Operation::Dec, "1").message, "Decresing DONE");
    EXPECT_EQ(RunOn(field, Operation::Inverse).message, "Inversing DONE");
    EXPECT_EQ(RunOn(field, Operation::MirrorUD).message, "Mirrow DONE");
    EXPECT_EQ(RunOn(field, Operation::FlipUD).message, "Flip DONE");
}

TEST(Drivers, DecSubtractsTheValue) {
    HeightField field;
    SetField(field, kSixteenBitField, {{3, 100}});
    RunOn(field, Operation::Dec, "10");
    EXPECT_EQ(ReadValues(field), (Heights{{0, 90}}));
}

TEST(Drivers, ConversionsSetTheKindAndCommit) {
    HeightField field;
    SetField(field, kEightBitField, {{0, 1, 255}});
    RunConvertToPpm(field);
    EXPECT_EQ(field.kind(), kSixteenBitField);
    field.RestoreField();
    EXPECT_EQ(ReadValues(field), (Heights{{0, 256, 65280}}));
    RunConvertToTga(field);
    EXPECT_EQ(field.kind(), kEightBitField);
    field.RestoreField();
    EXPECT_EQ(ReadValues(field), (Heights{{0, 1, 255}}));
}

TEST(UndoAndKeep, UndoReturnsToTheLastCommitOverSeveralOperations) {
    HeightField field;
    SetField(field, kSixteenBitField, {{10, 20}});
    RunOn(field, Operation::Inc, "5");
    RunOn(field, Operation::Inverse);
    RunOn(field, Operation::Smooth);
    field.RestoreField();
    EXPECT_EQ(ReadValues(field), (Heights{{10, 20}}));
    RunOn(field, Operation::Inc, "5");
    field.SnapshotField();
    RunOn(field, Operation::Fill, "7");
    field.RestoreField();
    EXPECT_EQ(ReadValues(field), (Heights{{15, 25}}));
}
