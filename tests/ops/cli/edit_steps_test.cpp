#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../field_builder.h"
#include "cli/command_line.h"
#include "ops/operation_steps.h"
#include "ops/random_generator.h"
#include "ops/roughen.h"
#include "scratch.h"

namespace {

// Runs a command line in-process and reads back the --dump that the test appends.
class EditSteps : public ::testing::Test {
protected:
    EditSteps() { BuildRegistry(registry_); }

    int Run(std::vector<std::string> arguments) {
        std::filesystem::remove(DumpPath());
        arguments.push_back("--dump");
        arguments.push_back(DumpPath());
        return RunCommandLine(arguments, registry_);
    }

    // The dumped values, without the size line; empty when nothing was dumped.
    Heights Dumped() const {
        std::ifstream in(DumpPath());
        int width = 0, height = 0, kind = 0;
        Heights rows;
        if (!(in >> width >> height >> kind)) return rows;
        rows.assign(size_t(height), std::vector<int>(size_t(width)));
        for (auto& row : rows) {
            for (int& value : row) in >> value;
        }
        return rows;
    }

    std::string DumpPath() const { return scratch_ / "dump.txt"; }

    StepRegistry registry_;
    ScratchDir scratch_;
};

}  // namespace

TEST_F(EditSteps, RefuseMalformedArgumentsBeforeRunningAnything) {
    for (std::vector<std::string> bad : std::vector<std::vector<std::string>>{
             {"--smooth", "-1"}, {"--smooth", "two"}, {"--rough", "sideways:5"}, {"--rough", "up"},
             {"--select", "1,1 2,2"}, {"--select", "1,1 2;2 3,3"}, {"--area", "middle"},
             {"--mirror", "lr2"}, {"--flip", "rl"}, {"--seed", "-3"}, {"--seed", "4294967296"}}) {
        std::vector<std::string> arguments{"--new", "2x2"};
        arguments.insert(arguments.end(), bad.begin(), bad.end());
        EXPECT_EQ(Run(arguments), kExitUsage) << bad[0] << " " << bad[1];
        EXPECT_TRUE(Dumped().empty());
    }
}

TEST_F(EditSteps, ReadValueTextsAsTheDialogsDoAndStopOnAWrongOne) {
    EXPECT_EQ(Run({"--new", "2x1", "--fill", "", "--inc", "12abc"}), kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{12, 12}}));
    for (std::string text : {"", "abc", "0", " -5"}) {
        EXPECT_EQ(Run({"--new", "2x1", "--cut", text}), kExitStepFailed);
        EXPECT_TRUE(Dumped().empty());
    }
    EXPECT_EQ(Run({"--new", "2x1", "--fill", "-1"}), kExitStepFailed);
}

TEST_F(EditSteps, TakeASmoothRadiusOfAnySize) {
    EXPECT_EQ(Run({"--new", "3x1", "--fill", "3", "--smooth", "99999999999999999999"}), kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{3, 3, 3}}));
    // Positions without a value sample as the top of the kind.
    EXPECT_EQ(Run({"--new", "2x2", "--smooth", "2147483648"}), kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{255, 255}, {255, 255}}));
}

TEST_F(EditSteps, RepeatARoughenUnderAGivenSeed) {
    ASSERT_EQ(Run({"--new", "5x3", "--fill", "100", "--seed", "42", "--rough", "middle:30"}), kExitDone);
    Heights first = Dumped();
    ASSERT_EQ(Run({"--new", "5x3", "--fill", "100", "--seed", "42", "--rough", "middle:30"}), kExitDone);
    EXPECT_EQ(Dumped(), first);

    HeightField field;
    SetField(field, kEightBitField, Heights(3, std::vector<int>(5, 100)));
    Roughen(field, RoughMode::Middle, 30, 42);
    EXPECT_EQ(ReadValues(field), first);
}

TEST_F(EditSteps, WorkOnTheChosenSideOfTheSelection) {
    ASSERT_EQ(Run({"--new", "5x5", "--fill", "1", "--select", "1,1 3,1 3,3 1,3", "--area", "inside",
                   "--inc", "4", "--area", "outside", "--dec", "1"}),
              kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{0, 0, 0, 0, 0},
                                {0, 5, 5, 5, 0},
                                {0, 5, 5, 5, 0},
                                {0, 5, 5, 5, 0},
                                {0, 0, 0, 0, 0}}));
}

TEST_F(EditSteps, SeeTheWhiteMaskWithoutASelection) {
    ASSERT_EQ(Run({"--new", "2x2", "--fill", "1", "--area", "inside", "--fill", "7"}), kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{1, 1}, {1, 1}}));
    ASSERT_EQ(Run({"--new", "2x2", "--fill", "1", "--area", "outside", "--fill", "7"}), kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{7, 7}, {7, 7}}));
}

TEST_F(EditSteps, ClipSelectionVerticesBeyondTheFieldAsTheEditorDoes) {
    // 9,0 lands on (4,0) and 3,9 on (4,4): the polygon covers the field's right side.
    ASSERT_EQ(Run({"--new", "4x4", "--select", "0,0 9,0 3,9 0,3", "--area", "inside", "--fill", "7"}),
              kExitDone);
    Heights heights = Dumped();
    EXPECT_EQ(heights[1][3], 7);
    EXPECT_EQ(heights[3][3], 7);
    EXPECT_EQ(Run({"--new", "4x4", "--select", "0,0 3,-1 3,3"}), kExitStepFailed);
}

TEST_F(EditSteps, DropTheSelectionAtUndo) {
    ASSERT_EQ(Run({"--new", "3x1", "--fill", "2", "--keep", "--select", "0,0 1,0 1,0", "--undo",
                   "--area", "inside", "--fill", "9"}),
              kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{2, 2, 2}}));
}

TEST_F(EditSteps, MirrorAndFlipTheWholeFieldWhateverTheArea) {
    ASSERT_EQ(Run({"--new", "3x3", "--fill", "1", "--select", "0,0 1,0 1,1", "--area", "inside",
                   "--fill", "5", "--mirror", "lr", "--flip", "ud"}),
              kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{1, 1, 1}, {1, 5, 1}, {5, 5, 5}}));
}

TEST_F(EditSteps, ConvertCommitAndRefuseTheKindTheFieldHas) {
    ASSERT_EQ(Run({"--new", "2x1", "--fill", "3", "--to-ppm", "--fill", "1", "--undo"}), kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{768, 768}}));
    EXPECT_EQ(Run({"--new", "2x1:16", "--to-ppm"}), kExitStepFailed);
    EXPECT_EQ(Run({"--new", "2x1", "--to-tga"}), kExitStepFailed);
}

TEST_F(EditSteps, ExpandCarriesTheSelectionAlongAndCommits) {
    ASSERT_EQ(Run({"--new", "4x4:16", "--fill", "1", "--select", "1,1 2,1 2,2 1,2", "--expand", "--undo",
                   "--select", "2,2 4,2 4,4 2,4", "--area", "inside", "--fill", "9"}),
              kExitDone);
    Heights expanded = Dumped();
    ASSERT_EQ(Run({"--new", "4x4:16", "--fill", "1", "--select", "1,1 2,1 2,2 1,2", "--expand", "--area",
                   "inside", "--fill", "9"}),
                  kExitDone);
    EXPECT_EQ(Dumped(), expanded);
    EXPECT_EQ(expanded[4][4], 9);
    EXPECT_EQ(expanded[5][5], 1);
}

TEST_F(EditSteps, ShrinkStopsAtASingleRowOrColumn) {
    EXPECT_EQ(Run({"--new", "4x2", "--fill", "6", "--shrink", "--info"}), kExitDone);
    EXPECT_EQ(Dumped(), (Heights{{6, 6}}));
    EXPECT_EQ(Run({"--new", "4x2", "--shrink", "--shrink"}), kExitStepFailed);
    EXPECT_TRUE(Dumped().empty());
}

// A session's history names each operation by these words, and replays them here.
TEST_F(EditSteps, TheWordsOfAnOperationMakeWhatTheOperationMakes) {
    const std::vector<std::string> start{"--new", "7x5:16", "--seed", "3", "--rough", "up:60000", "--seed", "11"};
    ASSERT_EQ(Run(start), kExitDone);
    const Heights before = Dumped();
    for (const OperationRecord& record : Operations()) {
        for (int mode = 0; mode < 3; ++mode) {
            const OperationInputs inputs{.valueText = "300", .mode = mode, .radius = 2, .seed = 11};
            std::vector<std::string> arguments = start;
            for (const std::string& word : BatchStepWords(record.operation, inputs)) arguments.push_back(word);
            ASSERT_EQ(Run(arguments), kExitDone) << arguments.back();

            HeightField field;
            SetField(field, kSixteenBitField, before);
            ASSERT_TRUE(RunOperation(record.operation, field, inputs).ran);
            EXPECT_EQ(Dumped(), ReadValues(field)) << arguments.back();
        }
    }
}
