#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ops/operation_steps.h"
#include "ops/operation_table.h"

// Everything that reads the table trusts these: one record per code, one operation per
// dialog place, and steps whose records agree on how they are written.
TEST(OperationTable, OneRecordPerCodeAndPlaceAndStepsThatAgree) {
    EXPECT_EQ(FindOperation(Operation::None), nullptr);
    std::set<int> codes;
    std::map<DialogKind, std::set<int>> places;
    for (const OperationRecord& record : Operations()) {
        EXPECT_TRUE(codes.insert(int(record.operation)).second) << record.statusWord;
        EXPECT_EQ(FindOperation(record.operation), &record);
        EXPECT_NE(record.run, nullptr) << record.statusWord;
        EXPECT_TRUE(places[record.dialog].insert(record.place).second) << record.statusWord;
        EXPECT_EQ(OperationOfDialog(record.dialog, size_t(record.place)), record.operation);
    }
    // The codes run from 1 without a gap, and so do each dialog's places from 0.
    EXPECT_EQ(*codes.begin(), 1);
    EXPECT_EQ(*codes.rbegin(), int(codes.size()));
    for (const auto& [dialog, taken] : places) {
        EXPECT_EQ(*taken.rbegin(), int(taken.size()) - 1) << int(dialog);
        EXPECT_EQ(OperationOfDialog(dialog, taken.size()), Operation::None);
    }

    std::set<std::string_view> names;
    for (const OperationStep& step : OperationSteps()) {
        EXPECT_TRUE(names.insert(step.step().name).second);
        std::set<std::string> words;
        for (const OperationRecord* record : step.records()) {
            EXPECT_EQ(record->step.argument, step.step().argument) << record->statusWord;
            EXPECT_STREQ(record->step.help, step.step().help) << record->statusWord;
            // A step of several operations tells them apart by their words, one each.
            if (step.records().size() > 1) {
                EXPECT_EQ(std::string_view(record->words).find('|'), std::string_view::npos);
            }
        }
        const bool hasWords = step.step().argument == StepArgument::Word || step.step().argument == StepArgument::WordValue;
        for (const OperationRecord* record : step.records()) {
            EXPECT_EQ(*record->words != '\0', hasWords) << record->statusWord;
        }
        std::string argument = step.ArgumentName();
        for (size_t start = 0; hasWords;) {
            size_t end = argument.find_first_of("|:", start);
            EXPECT_TRUE(words.insert(argument.substr(start, end - start)).second) << argument;
            if (end == std::string::npos || argument[end] == ':') break;
            start = end + 1;
        }
    }
}

// The words a session's history names an operation by read back as the same call.
TEST(OperationSteps, ReadBackWhatTheyWriteForEveryOperation) {
    const std::vector<OperationStep> steps = OperationSteps();
    for (const OperationRecord& record : Operations()) {
        for (int mode = 0; mode < 3; ++mode) {
            const OperationInputs inputs{.valueText = " 40 rows", .mode = mode, .radius = 7};
            std::vector<std::string> words = BatchStepWords(record.operation, inputs);
            ASSERT_FALSE(words.empty());
            EXPECT_EQ(words[0], record.step.name);
            ASSERT_EQ(words.size(), record.step.argument == StepArgument::None ? 1u : 2u) << words[0];
            const OperationStep* step = nullptr;
            for (const OperationStep& each : steps) {
                if (words[0] == each.step().name) step = &each;
            }
            ASSERT_NE(step, nullptr) << words[0];
            std::optional<StepCall> call = step->Read(words.size() > 1 ? words[1] : "");
            ASSERT_TRUE(call) << words[0] << " " << words.back();
            EXPECT_EQ(call->operation, record.operation) << words[0] << " " << words.back();
            if (record.operation == Operation::Rough) {
                EXPECT_EQ(call->mode, mode);
            }
            if (record.operation == Operation::Smooth) {
                EXPECT_EQ(call->radius, 7);
            }
            if (record.leastValue) {
                EXPECT_EQ(call->valueText, "40");
            }
        }
    }
    EXPECT_EQ(BatchStepWords(Operation::Rough, {.valueText = "12abc", .mode = int(RoughMode::Down)}),
              (std::vector<std::string>{"--rough", "down:12"}));
    EXPECT_EQ(BatchStepWords(Operation::Fill, {.valueText = ""}), (std::vector<std::string>{"--fill", "0"}));
    EXPECT_EQ(BatchStepWords(Operation::MirrorDU, {}), (std::vector<std::string>{"--mirror", "du"}));
    EXPECT_EQ(BatchStepWords(Operation::Inverse, {}), (std::vector<std::string>{"--inverse"}));
    EXPECT_TRUE(BatchStepWords(Operation::None, {}).empty());
}
