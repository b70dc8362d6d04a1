#include "ops/operation_table.h"

#include "core/field_file.h"
#include "ops/smooth.h"
#include "ops/tile_operations.h"
#include "ops/value_operations.h"
#include "ops/value_text.h"

namespace {

using Inputs = const OperationInputs&;

void RunRough(HeightField& field, Inputs inputs, int32_t value) {
    if (inputs.area == kAreaWhole) {
        Roughen(field, inputs.roughMode, value, inputs.seed);
    } else {
        RoughenArea(field, inputs.area, inputs.roughMode, value, inputs.seed);
    }
}

// The mirrors and flips work on the whole field whatever the area.
template <MirrorDirection direction>
void RunMirror(HeightField& field, Inputs, int32_t) { Mirror(field, direction); }

template <FlipDirection direction>
void RunFlip(HeightField& field, Inputs, int32_t) { Flip(field, direction); }

RowEdit RoughRows(const FieldRows& rows, Inputs inputs, int32_t value) {
    if (inputs.area == kAreaWhole) return RoughenEdit(rows, inputs.roughMode, value, inputs.seed);
    return RoughenAreaEdit(rows, inputs.area, inputs.roughMode, value, inputs.seed);
}

// The value operations' edits, which take the area and the value.
template <RowEdit (*edit)(const FieldRows&, int, int32_t)>
RowEdit ValueRows(const FieldRows& rows, Inputs inputs, int32_t value) { return edit(rows, inputs.area, value); }

RowEdit DecRows(const FieldRows& rows, Inputs inputs, int32_t value) { return AddValueEdit(rows, inputs.area, -value); }

RowEdit FlipRows(const FieldRows& rows, Inputs, int32_t) { return FlipLeftRightEdit(rows); }

constexpr OperationRecord kOperations[] = {
    {Operation::Rough, "ROUGHING ", "Roughing DONE", DialogKind::Rough, 1, RunRough, RoughRows},
    {Operation::Smooth, "SMOOTHING", "Smoothing DONE", DialogKind::Smooth, std::nullopt,
     [](HeightField& field, Inputs inputs, int32_t) { Smooth(field, inputs.area, inputs.radius); }},
    {Operation::Cut, "Cuting", "Cuting DONE", DialogKind::Wacks, 1,
     [](HeightField& field, Inputs inputs, int32_t value) { CutLow(field, inputs.area, value); },
     ValueRows<CutLowEdit>},
    {Operation::Clip, "Cliping", "CLiping DONE", DialogKind::Wacks, 1,
     [](HeightField& field, Inputs inputs, int32_t value) { ClipHigh(field, inputs.area, value); },
     ValueRows<ClipHighEdit>},
    {Operation::Inc, "INCing", "Incresing DONE", DialogKind::Wacks, 1,
     [](HeightField& field, Inputs inputs, int32_t value) { AddValue(field, inputs.area, value); },
     ValueRows<AddValueEdit>},
    {Operation::Dec, "DECing", "Decresing DONE", DialogKind::Wacks, 1,
     [](HeightField& field, Inputs inputs, int32_t value) { AddValue(field, inputs.area, -value); }, DecRows},
    {Operation::Inverse, "Inversing", "Inversing DONE", DialogKind::Wacks, std::nullopt,
     [](HeightField& field, Inputs inputs, int32_t) { InvertValues(field, inputs.area); },
     ValueRows<InvertValuesEdit>},
    {Operation::MirrorLR, "Mirrow LR", "Mirrow DONE", DialogKind::Tiles, std::nullopt, RunMirror<MirrorDirection::LeftToRight>},
    {Operation::MirrorRL, "Mirrow RL", "Mirrow DONE", DialogKind::Tiles, std::nullopt, RunMirror<MirrorDirection::RightToLeft>},
    {Operation::MirrorUD, "Mirrow UD", "Mirrow DONE", DialogKind::Tiles, std::nullopt, RunMirror<MirrorDirection::TopToBottom>},
    {Operation::MirrorDU, "Mirrow DU", "Mirrow DONE", DialogKind::Tiles, std::nullopt, RunMirror<MirrorDirection::BottomToTop>},
    {Operation::FlipLR, "Flipping", "Flip DONE", DialogKind::Tiles, std::nullopt, RunFlip<FlipDirection::LeftRight>, FlipRows},
    {Operation::FlipUD, "Flipping", "Flip DONE", DialogKind::Tiles, std::nullopt, RunFlip<FlipDirection::TopBottom>},
    // FILL takes 0 too.
    {Operation::Fill, "Flantening", "Flating DONE", DialogKind::Wacks, 0,
     [](HeightField& field, Inputs inputs, int32_t value) { FillValue(field, inputs.area, value); },
     ValueRows<FillValueEdit>},
};

}  // namespace

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
        if (record.dialog != dialog) continue;
        if (place == 0) return record.operation;
        --place;
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
    record->run(field, inputs, value);
    return {true, record->doneMessage};
}

DriverReport EditOfRows(Operation operation, const FieldRows& rows, const OperationInputs& inputs, RowEdit& edit) {
    const OperationRecord* record = FindOperation(operation);
    int32_t value = 0;
    if (!ReadValue(*record, inputs, value)) return {false, kValueWrong};
    edit = record->rows(rows, inputs, value);
    return {true, record->doneMessage};
}
