#include "ops/operation_table.h"

#include "core/field_file.h"
#include "ops/value_text.h"

std::span<const OperationRecord> Operations() { return kOperations; }

const OperationRecord* FindOperation(Operation operation) {
    for (const OperationRecord& record : kOperations) {
        if (record.operation == operation) return &record;
    }
    return nullptr;
}

const char* StatusWordOf(Operation operation) {
    const OperationRecord* record = FindOperation(operation);
    return record ? record->statusWord : "";
}

Operation OperationOfDialog(DialogKind dialog, size_t place) {
    for (const OperationRecord& record : kOperations) {
        if (record.dialog == dialog && size_t(record.place) == place) return record.operation;
    }
    return Operation::None;
}

bool WorksRowByRow(Operation operation) {
    const OperationRecord* record = FindOperation(operation);
    return record && record->rows;
}

namespace {

// The value the operation reads, or false when it is wrong.
bool ReadValue(const OperationRecord& record, const OperationInputs& inputs, int32_t& value) {
    value = record.leastValue ? ReadValueText(inputs.valueText) : 0;
    return !record.leastValue || value >= *record.leastValue;
}

}  // namespace

DriverReport RunOperation(Operation operation, HeightField& field, const OperationInputs& inputs) {
    const OperationRecord* record = FindOperation(operation);
    if (!record) return {};
    int32_t value = 0;
    if (!ReadValue(*record, inputs, value)) return {false, kValueWrong};
    if (!field.ReadyToWrite()) return {false, NoMemoryMessage(field.width(), field.height()), true};
    switch (record->run(field, inputs, value)) {
        case RunEnding::Stopped: return {false, kWorkStopped};
        case RunEnding::NoMemory: return {false, NoMemoryMessage(field.width(), field.height()), true};
        case RunEnding::Done: break;
    }
    return {true, record->doneMessage};
}

DriverReport EditRowsOf(Operation operation, FieldRows& from, const OperationInputs& inputs,
                        std::unique_ptr<FieldRows>& edited) {
    const OperationRecord& record = *FindOperation(operation);
    int32_t value = 0;
    if (!ReadValue(record, inputs, value)) return {false, kValueWrong};
    edited = record.rows(from, inputs, value);
    return {true, record.doneMessage};
}
