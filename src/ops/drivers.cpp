#include "ops/drivers.h"

#include "core/field_file.h"
#include "ops/conversion.h"
#include "ops/operation_table.h"
#include "ops/roughen.h"
#include "ops/row_traversal.h"
#include "ops/smooth.h"
#include "ops/tile_operations.h"
#include "ops/value_operations.h"
#include "ops/value_text.h"

namespace {

DriverReport Wrong() { return {false, kValueWrong}; }

// Every operation writes the field, so the undo copy its first write after a commit
// needs is made before it starts: without memory for it the operation does not run and
// the field keeps what it holds, the way back included.
template <class Operation>
DriverReport RunOperation(HeightField& field, int code, Operation&& operation) {
    if (!field.ReadyToWrite()) return {false, NoMemoryMessage(field.width(), field.height()), true};
    operation();
    return {true, OperationFor(code).doneMessage};
}

// Cut, Clip, INC and DEC need a value above 0; FILL takes 0 too.
template <class Operation>
DriverReport RunWithValue(HeightField& field, std::string_view text, int32_t lowest, int code,
                          Operation&& operation) {
    int32_t value = ReadValueText(text);
    if (value < lowest) return Wrong();
    return RunOperation(field, code, [&] { operation(value); });
}

}  // namespace

DriverReport RunRough(HeightField& field, int area, int mode, std::string_view valueText, uint32_t seed) {
    return RunWithValue(field, valueText, 1, kOperationRough, [&](int32_t value) {
        if (area == kAreaWhole) {
            Roughen(field, mode, value, seed);
        } else {
            RoughenArea(field, area, mode, value, seed);
        }
    });
}

DriverReport RunSmooth(HeightField& field, int area, int radius) {
    return RunOperation(field, kOperationSmooth, [&] { Smooth(field, area, radius); });
}

DriverReport RunCut(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(field, valueText, 1, kOperationCut, [&](int32_t value) { CutLow(field, area, value); });
}

DriverReport RunClip(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(field, valueText, 1, kOperationClip, [&](int32_t value) { ClipHigh(field, area, value); });
}

DriverReport RunInc(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(field, valueText, 1, kOperationInc, [&](int32_t value) { AddValue(field, area, value); });
}

DriverReport RunDec(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(field, valueText, 1, kOperationDec, [&](int32_t value) { AddValue(field, area, -value); });
}

DriverReport RunFill(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(field, valueText, 0, kOperationFill, [&](int32_t value) { FillValue(field, area, value); });
}

DriverReport RunInverse(HeightField& field, int area) {
    return RunOperation(field, kOperationInverse, [&] { InvertValues(field, area); });
}

DriverReport RunMirror(HeightField& field, int direction) {
    return RunOperation(field, kOperationMirrorLR, [&] { Mirror(field, direction); });
}

DriverReport RunFlip(HeightField& field, int direction) {
    return RunOperation(field, kOperationFlipLR, [&] { Flip(field, direction); });
}

void RunConvertToPpm(HeightField& field) {
    field.BeginCommittedChange();
    ConvertToPpm(field);
    field.SetKind(kSixteenBitField);
    field.SnapshotField();
}

void RunConvertToTga(HeightField& field) {
    field.BeginCommittedChange();
    ConvertToTga(field);
    field.SetKind(kEightBitField);
    field.SnapshotField();
}
