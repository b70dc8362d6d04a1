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

constexpr OperationRecord kOperations[] = {
    {Operation::Rough, "ROUGHING ", "Roughing DONE", DialogKind::Rough, 1, RunRough},
    {Operation::Smooth, "SMOOTHING", "Smoothing DONE", DialogKind::Smooth, std::nullopt,
     [](HeightField& field, Inputs inputs, int32_t) { Smooth(field, inputs.area, inputs.radius); }},
    {Operation::Cut, "Cuting", "Cuting DONE", DialogKind::Wacks, 1,
     [](HeightField& field, Inputs inputs, int32_t value) { CutLow(field, inputs.area, value); }},
    {Operation::Clip, "Cliping", "CLiping DONE", DialogKind::Wacks, 1,
     [](HeightField& field, Inputs inputs, int32_t value) { ClipHigh(field, inputs.area, value); }},
    {Operation::Inc, "INCing", "Incresing DONE", DialogKind::Wacks, 1,
     [](HeightField& field, Inputs inputs, int32_t value) { AddValue(field, inputs.area, value); }},
    {Operation::Dec, "DECing", "Decresing DONE", DialogKind::Wacks, 1,
     [](HeightField& field, Inputs inputs, int32_t value) { AddValue(field, inputs.area, -value); }},
    {Operation::Inverse, "Inversing", "Inversing DONE", DialogKind::Wacks, std::nullopt,
     [](HeightField& field, Inputs inputs, int32_t) { InvertValues(field, inputs.area); }},
    {Operation::MirrorLR, "Mirrow LR", "Mirrow DONE", DialogKind::Tiles, std::nullopt, RunMirror<MirrorDirection::LeftToRight>},
    {Operation::MirrorRL, "Mirrow RL", "Mirrow DONE", DialogKind::Tiles, std::nullopt, RunMirror<MirrorDirection::RightToLeft>},
    {Operation::MirrorUD, "Mirrow UD", "Mirrow DONE", DialogKind::Tiles, std::nullopt, RunMirror<MirrorDirection::TopToBottom>},
    {Operation::MirrorDU, "Mirrow DU", "Mirrow DONE", DialogKind::Tiles, std::nullopt, RunMirror<MirrorDirection::BottomToTop>},
    {Operation::FlipLR, "Flipping", "Flip DONE", DialogKind::Tiles, std::nullopt, RunFlip<FlipDirection::LeftRight>},
    {Operation::FlipUD, "Flipping", "Flip DONE", DialogKind::Tiles, std::nullopt, RunFlip<FlipDirection::TopBottom>},
    // FILL takes 0 too.
    {Operation::Fill, "Flantening", "Flating DONE", DialogKind::Wacks, 0,
     [](HeightField& field, Inputs inputs, int32_t value) { FillValue(field, inputs.area, value); }},
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

DriverReport RunOperation(Operation operation, HeightField& field, const OperationInputs& inputs) {
    const OperationRecord* record = FindOperation(operation);
    if (!record) return {};
    int32_t value = 0;
    if (record->leastValue) {
        value = ReadValueText(inputs.valueText);
        if (value < *record->leastValue) return {false, kValueWrong};
    }
    if (!field.ReadyToWrite()) return {false, NoMemoryMessage(field.width(), field.height()), true};
    record->run(field, inputs, value);
    return {true, record->doneMessage};
}
