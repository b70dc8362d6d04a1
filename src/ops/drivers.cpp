#include "ops/drivers.h"

#include "ops/conversion.h"
#include "ops/operation_table.h"
#include "ops/roughen.h"
#include "ops/row_traversal.h"
#include "ops/smooth.h"
#include "ops/tile_operations.h"
#include "ops/value_operations.h"
#include "ops/value_text.h"

namespace {

DriverReport Done(int code) { return {true, OperationFor(code).doneMessage}; }
DriverReport Wrong() { return {false, kValueWrong}; }

// Cut, Clip, INC and DEC need a value above 0; FILL takes 0 too.
template <class Operation>
DriverReport RunWithValue(std::string_view text, int32_t lowest, int code, Operation&& operation) {
    int32_t value = ReadValueText(text);
    if (value < lowest) return Wrong();
    operation(value);
    return Done(code);
}

}  // namespace

DriverReport RunRough(HeightField& field, int area, int mode, std::string_view valueText, uint32_t seed) {
    return RunWithValue(valueText, 1, kOperationRough, [&](int32_t value) {
        if (area == kAreaWhole) {
            Roughen(field, mode, value, seed);
        } else {
            RoughenArea(field, area, mode, value, seed);
        }
    });
}

DriverReport RunSmooth(HeightField& field, int area, int radius) {
    Smooth(field, area, radius);
    return Done(kOperationSmooth);
}

DriverReport RunCut(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(valueText, 1, kOperationCut, [&](int32_t value) { CutLow(field, area, value); });
}

DriverReport RunClip(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(valueText, 1, kOperationClip, [&](int32_t value) { ClipHigh(field, area, value); });
}

DriverReport RunInc(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(valueText, 1, kOperationInc, [&](int32_t value) { AddValue(field, area, value); });
}

DriverReport RunDec(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(valueText, 1, kOperationDec, [&](int32_t value) { AddValue(field, area, -value); });
}

DriverReport RunFill(HeightField& field, int area, std::string_view valueText) {
    return RunWithValue(valueText, 0, kOperationFill, [&](int32_t value) { FillValue(field, area, value); });
}

DriverReport RunInverse(HeightField& field, int area) {
    InvertValues(field, area);
    return Done(kOperationInverse);
}

DriverReport RunMirror(HeightField& field, int direction) {
    Mirror(field, direction);
    return Done(kOperationMirrorLR);
}

DriverReport RunFlip(HeightField& field, int direction) {
    Flip(field, direction);
    return Done(kOperationFlipLR);
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
