#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ops/operation_table.h"

// What the argument of an operation's batch step says: the operation it picks and the
// inputs it gives. The area and the seed are steps of their own.
struct StepCall {
    Operation operation = Operation::None;
    int mode = int(RoughMode::Middle);
    int radius = 1;
    std::string valueText;

    // The inputs refer to this call's value text.
    OperationInputs Inputs(int area, uint32_t seed) const {
        return {.area = area, .valueText = valueText, .mode = mode, .radius = radius, .seed = seed};
    }
};

// A batch-tool step of the operations, made from the records that share its name.
class OperationStep {
public:
    explicit OperationStep(const OperationRecord& first) : records_{&first} {}

    const BatchStep& step() const { return records_.front()->step; }
    const std::vector<const OperationRecord*>& records() const { return records_; }
    void Add(const OperationRecord& record) { records_.push_back(&record); }

    // As the help shows it ("V", "lr|rl|ud|du", "up|middle|down:VALUE"); "" for none.
    std::string ArgumentName() const;
    // What an argument it refuses should have been, e.g. "one of lr|ud".
    std::string Expected() const;
    // The call an argument makes, or none when the argument is not of the step's form.
    // A VALUE text is taken as it is: the operation reads it as the dialogs' boxes do.
    std::optional<StepCall> Read(const std::string& argument) const;
    // Whether an operation of the step reads the area.
    bool ReadsArea() const;

private:
    std::vector<std::string> Words() const;

    std::vector<const OperationRecord*> records_;
};

// One step per name, in the order of the table.
std::vector<OperationStep> OperationSteps();

// The batch step that makes the same change as the operation with these inputs, as the
// words of a command line: its name, then its argument when it takes one ("--rough",
// "middle:40"). A VALUE text is written as the number it reads as.
std::vector<std::string> BatchStepWords(Operation operation, const OperationInputs& inputs);
