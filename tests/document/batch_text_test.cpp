// Steps written as the batch tool's and read back from a file of steps.
#include <gtest/gtest.h>

#include "document/batch_text.h"

TEST(BatchText, ReadsOneStepALineWithCommentsAndQuotes) {
    std::vector<BatchLine> steps = ReadBatchLines(
        "# a session\n"
        "--seed 7\r\n"
        "\n"
        "   --select \"40,40 200,60 180,220\"   # the square\n"
        "--palette /maps/My#1 colours.pal\n"
        "--inverse\n"
        "  #--keep\n");
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].name, "--seed");
    EXPECT_EQ(steps[0].argument, "7");
    EXPECT_EQ(steps[0].line, 2);
    EXPECT_EQ(steps[1].argument, "40,40 200,60 180,220");
    EXPECT_EQ(steps[1].line, 4);
    EXPECT_EQ(steps[2].argument, "/maps/My#1 colours.pal") << "a # inside a word is no comment";
    EXPECT_EQ(steps[3].name, "--inverse");
    EXPECT_EQ(steps[3].argument, "");
}

TEST(BatchText, WritesEachStepWithItsSeedAndAreaOnlyWhereTheyChange) {
    OperationInputs rough;
    rough.area = kAreaInside;
    rough.valueText = " 24abc";
    rough.seed = 9;
    OperationInputs inc;
    inc.area = kAreaInside;
    inc.valueText = "20";
    std::vector<StepText> steps = {OperationText(Operation::Rough, rough), OperationText(Operation::Rough, rough),
                                   OperationText(Operation::Inc, inc), {{"--keep"}}};
    EXPECT_EQ(steps[0].Name(), "--area inside --rough middle:24");
    SessionStart start;
    start.path = "/maps/Intro.tga";
    start.palette = DefaultPalette();
    EXPECT_EQ(StepsFileText(start, steps, ""),
              "# Knollwork steps since /maps/Intro.tga was opened\n"
              "# Repeat them with: knollwork-cli --open /maps/Intro.tga --steps THIS_FILE --save OUT\n"
              "--seed 9\n--area inside\n--rough middle:24\n--rough middle:24\n--inc 20\n--keep\n");
}
