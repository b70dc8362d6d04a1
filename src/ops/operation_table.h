#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/field_rows.h"
#include "core/height_field.h"
#include "ops/erosion.h"
#include "ops/roughen.h"
#include "ops/row_traversal.h"
#include "ops/smooth.h"
#include "ops/tile_operations.h"
#include "ops/value_operations.h"

// Every operation has one record below, which the dialogs, the editor's window and the
// batch tool all read: a new operation is a new row here and its own files.

// The operations a press on the canvas arms; each one's value is its code.
enum class Operation {
    None, Rough, Smooth, Cut, Clip, Inc, Dec, Inverse,
    MirrorLR, MirrorRL, MirrorUD, MirrorDU, FlipLR, FlipUD, Fill, Rain, Slump,
};

// The operation dialogs, in the order the command bar shows their toggles.
enum class DialogKind { Rough, Smooth, Wacks, Tiles, Erode };

// How a driver ended: long work can be stopped, or find no memory to work in, and then
// leaves the field as it was.
enum class RunEnding { Done, Stopped, NoMemory };

// What a run takes besides the field: the dialogs' state, or the batch tool's arguments.
struct OperationInputs {
    int area = kAreaWhole;
    std::string_view valueText{};
    // What a dialog's toggles choose when they choose a mode rather than an operation:
    // Rough's RoughMode, Middle as the dialog starts.
    int mode = int(RoughMode::Middle);
    int radius = 1;
    uint32_t seed = 0;
};

// How a batch-tool step writes an operation's inputs after its name.
enum class StepArgument {
    None,       // --inverse
    Value,      // --cut V: the VALUE text
    Radius,     // --smooth R
    Word,       // --mirror lr: a word that names the operation among the step's
    WordValue,  // --rough middle:VALUE: a word, a colon and the VALUE text
};

// A step of the batch tool; operations that share a step share its name and help.
struct BatchStep {
    const char* name;
    StepArgument argument;
    const char* help;  // one line
};

struct OperationRecord {
    Operation operation;
    const char* statusWord;   // written at the press that arms it
    const char* doneMessage;  // written after the run
    DialogKind dialog;
    int place;  // of the toggle that chooses it, among its dialog's, from 0
    // The least VALUE, for an operation that reads the VALUE text.
    std::optional<int32_t> leastValue{};
    // The driver, given the value read (0 for an operation that reads none).
    RunEnding (*run)(HeightField& field, const OperationInputs& inputs, int32_t value);
    // The same change made to rows as they pass on to a write, so that the field they
    // would form is never held; null for an operation that cannot work so.
    std::unique_ptr<FieldRows> (*rows)(FieldRows& from, const OperationInputs& inputs, int32_t value) = nullptr;
    BatchStep step;
    // The words of its step's argument, "|" between them: one names the operation among
    // its step's; several choose the mode, counted from 0 in their order.
    const char* words = "";
    // Works on the whole field whatever the area: the mirrors and flips.
    bool wholeField = false;
    // Draws from the seed, so a step that repeats it gives the seed first.
    bool seeded = false;
};

namespace operation_drivers {

using Inputs = const OperationInputs&;
using Rows = std::unique_ptr<FieldRows>;

inline RunEnding Rough(HeightField& field, Inputs inputs, int32_t value) {
    if (inputs.area == kAreaWhole) {
        Roughen(field, RoughMode(inputs.mode), value, inputs.seed);
    } else {
        RoughenArea(field, inputs.area, RoughMode(inputs.mode), value, inputs.seed);
    }
    return RunEnding::Done;
}

inline Rows RoughRows(FieldRows& from, Inputs inputs, int32_t value) {
    const RoughMode mode = RoughMode(inputs.mode);
    return std::make_unique<EditedRows>(from, inputs.area == kAreaWhole
                                                  ? RoughenEdit(from, mode, value, inputs.seed)
                                                  : RoughenAreaEdit(from, inputs.area, mode, value, inputs.seed));
}

inline RunEnding SmoothField(HeightField& field, Inputs inputs, int32_t) {
    Smooth(field, inputs.area, inputs.radius);
    return RunEnding::Done;
}

inline Rows SmoothRows(FieldRows& from, Inputs inputs, int32_t) { return SmoothedRows(from, inputs.area, inputs.radius); }

// A Wacks operation on the field and on rows, from its rule on the area and a value.
template <void (*change)(HeightField&, int, int32_t), int32_t sign = 1>
RunEnding Value(HeightField& field, Inputs inputs, int32_t value) {
    change(field, inputs.area, sign * value);
    return RunEnding::Done;
}

template <RowEdit (*edit)(const FieldRows&, int, int32_t), int32_t sign = 1>
Rows ValueRows(FieldRows& from, Inputs inputs, int32_t value) {
    return std::make_unique<EditedRows>(from, edit(from, inputs.area, sign * value));
}

inline RunEnding Invert(HeightField& field, Inputs inputs, int32_t) {
    InvertValues(field, inputs.area);
    return RunEnding::Done;
}

template <MirrorDirection direction>
RunEnding MirrorField(HeightField& field, Inputs, int32_t) {
    Mirror(field, direction);
    return RunEnding::Done;
}

template <FlipDirection direction>
RunEnding FlipField(HeightField& field, Inputs, int32_t) {
    Flip(field, direction);
    return RunEnding::Done;
}

inline RunEnding EndingOf(const ErosionOutcome& outcome) {
    switch (outcome.ending) {
        case ErosionOutcome::kStopped: return RunEnding::Stopped;
        case ErosionOutcome::kNoMemory: return RunEnding::NoMemory;
        case ErosionOutcome::kDone: break;
    }
    return RunEnding::Done;
}

// Rain's VALUE is droplets per 100 positions, Slump's its passes.
inline RunEnding RainField(HeightField& field, Inputs inputs, int32_t value) {
    return EndingOf(Rain(field, inputs.area, RainDroplets(field, value), inputs.seed, EngineWorkers()));
}

inline RunEnding SlumpField(HeightField& field, Inputs inputs, int32_t value) {
    return EndingOf(Slump(field, inputs.area, value, EngineWorkers()));
}

inline Rows FlipRows(FieldRows& from, Inputs, int32_t) {
    return std::make_unique<EditedRows>(from, FlipLeftRightEdit(from));
}

inline constexpr BatchStep kMirrorStep{"--mirror", StepArgument::Word, "copy one half onto the other, reversed"};
inline constexpr BatchStep kFlipStep{"--flip", StepArgument::Word, "exchange the halves, reversed"};
inline constexpr BatchStep kErodeStep{"--erode", StepArgument::WordValue,
                                      "rain VALUE droplets per 100 positions, or slump in VALUE passes"};

}  // namespace operation_drivers

// In the order the batch tool lists their steps; a dialog's toggles follow their places.
inline constexpr OperationRecord kOperations[] = {
    {.operation = Operation::Rough, .statusWord = "ROUGHING ", .doneMessage = "Roughing DONE",
     .dialog = DialogKind::Rough, .place = 0, .leastValue = 1,
     .run = operation_drivers::Rough, .rows = operation_drivers::RoughRows,
     .step = {"--rough", StepArgument::WordValue, "add random noise of up to VALUE"}, .words = "up|middle|down",
     .seeded = true},
    {.operation = Operation::Smooth, .statusWord = "SMOOTHING", .doneMessage = "Smoothing DONE",
     .dialog = DialogKind::Smooth, .place = 0,
     .run = operation_drivers::SmoothField, .rows = operation_drivers::SmoothRows,
     .step = {"--smooth", StepArgument::Radius, "replace each height by the mean of its (2R+1)^2 window"}},
    {.operation = Operation::Cut, .statusWord = "Cuting", .doneMessage = "Cuting DONE",
     .dialog = DialogKind::Wacks, .place = 0, .leastValue = 1,
     .run = operation_drivers::Value<CutLow>, .rows = operation_drivers::ValueRows<CutLowEdit>,
     .step = {"--cut", StepArgument::Value, "set heights below V to 0"}},
    {.operation = Operation::Clip, .statusWord = "Cliping", .doneMessage = "CLiping DONE",
     .dialog = DialogKind::Wacks, .place = 1, .leastValue = 1,
     .run = operation_drivers::Value<ClipHigh>, .rows = operation_drivers::ValueRows<ClipHighEdit>,
     .step = {"--clip", StepArgument::Value, "bring heights above V down to V"}},
    {.operation = Operation::Inc, .statusWord = "INCing", .doneMessage = "Incresing DONE",
     .dialog = DialogKind::Wacks, .place = 2, .leastValue = 1,
     .run = operation_drivers::Value<AddValue>, .rows = operation_drivers::ValueRows<AddValueEdit>,
     .step = {"--inc", StepArgument::Value, "add V, up to the kind's top"}},
    {.operation = Operation::Dec, .statusWord = "DECing", .doneMessage = "Decresing DONE",
     .dialog = DialogKind::Wacks, .place = 3, .leastValue = 1,
     .run = operation_drivers::Value<AddValue, -1>, .rows = operation_drivers::ValueRows<AddValueEdit, -1>,
     .step = {"--dec", StepArgument::Value, "subtract V, down to 0"}},
    // FILL takes 0 too.
    {.operation = Operation::Fill, .statusWord = "Flantening", .doneMessage = "Flating DONE",
     .dialog = DialogKind::Wacks, .place = 5, .leastValue = 0,
     .run = operation_drivers::Value<FillValue>, .rows = operation_drivers::ValueRows<FillValueEdit>,
     .step = {"--fill", StepArgument::Value, "set every height to V"}},
    {.operation = Operation::Inverse, .statusWord = "Inversing", .doneMessage = "Inversing DONE",
     .dialog = DialogKind::Wacks, .place = 4,
     .run = operation_drivers::Invert, .rows = operation_drivers::ValueRows<InvertValuesEdit>,
     .step = {"--inverse", StepArgument::None, "turn heights upside down"}},
    {.operation = Operation::MirrorLR, .statusWord = "Mirrow LR", .doneMessage = "Mirrow DONE",
     .dialog = DialogKind::Tiles, .place = 0,
     .run = operation_drivers::MirrorField<MirrorDirection::LeftToRight>,
     .step = operation_drivers::kMirrorStep, .words = "lr", .wholeField = true},
    {.operation = Operation::MirrorRL, .statusWord = "Mirrow RL", .doneMessage = "Mirrow DONE",
     .dialog = DialogKind::Tiles, .place = 1,
     .run = operation_drivers::MirrorField<MirrorDirection::RightToLeft>,
     .step = operation_drivers::kMirrorStep, .words = "rl", .wholeField = true},
    {.operation = Operation::MirrorUD, .statusWord = "Mirrow UD", .doneMessage = "Mirrow DONE",
     .dialog = DialogKind::Tiles, .place = 2,
     .run = operation_drivers::MirrorField<MirrorDirection::TopToBottom>,
     .step = operation_drivers::kMirrorStep, .words = "ud", .wholeField = true},
    {.operation = Operation::MirrorDU, .statusWord = "Mirrow DU", .doneMessage = "Mirrow DONE",
     .dialog = DialogKind::Tiles, .place = 3,
     .run = operation_drivers::MirrorField<MirrorDirection::BottomToTop>,
     .step = operation_drivers::kMirrorStep, .words = "du", .wholeField = true},
    {.operation = Operation::FlipLR, .statusWord = "Flipping", .doneMessage = "Flip DONE",
     .dialog = DialogKind::Tiles, .place = 4,
     .run = operation_drivers::FlipField<FlipDirection::LeftRight>, .rows = operation_drivers::FlipRows,
     .step = operation_drivers::kFlipStep, .words = "lr", .wholeField = true},
    {.operation = Operation::FlipUD, .statusWord = "Flipping", .doneMessage = "Flip DONE",
     .dialog = DialogKind::Tiles, .place = 5,
     .run = operation_drivers::FlipField<FlipDirection::TopBottom>,
     .step = operation_drivers::kFlipStep, .words = "ud", .wholeField = true},
    {.operation = Operation::Rain, .statusWord = "ERODING ", .doneMessage = "Eroding DONE",
     .dialog = DialogKind::Erode, .place = 0, .leastValue = 1, .run = operation_drivers::RainField,
     .step = operation_drivers::kErodeStep, .words = "rain", .seeded = true},
    {.operation = Operation::Slump, .statusWord = "ERODING ", .doneMessage = "Eroding DONE",
     .dialog = DialogKind::Erode, .place = 1, .leastValue = 1, .run = operation_drivers::SlumpField,
     .step = operation_drivers::kErodeStep, .words = "slump"},
};

inline constexpr const char* kValueWrong = "Value Wrong!!";
// Said when the user stopped long work; the field is as it was before.
inline constexpr const char* kWorkStopped = "STOPPED";

std::span<const OperationRecord> Operations();
// The record of an operation, or null for None.
const OperationRecord* FindOperation(Operation operation);
// The status word, "" for None.
const char* StatusWordOf(Operation operation);
// The operation of a dialog's toggle at place (from 0); None when there is none.
Operation OperationOfDialog(DialogKind dialog, size_t place);

// What a run reports for the message field.
struct DriverReport {
    bool ran = false;
    std::string message;  // the completion message, "Value Wrong!!" or the notice below
    bool outOfMemory = false;  // said as a notice: no memory for the undo copy, nothing changed
};

// Reads and checks the value text when the operation takes a value, then runs it; a
// report that did not run for None.
//
// Every operation writes the field, so the undo copy its first write after a commit
// needs is made before it starts: without memory for it the operation does not run and
// the field keeps what it holds, the way back included.
DriverReport RunOperation(Operation operation, HeightField& field, const OperationInputs& inputs);

// Whether the operation can change rows as they pass on to a write (EditRowsOf).
bool WorksRowByRow(Operation operation);
// For such an operation: reads and checks the value text as RunOperation does, then
// gives the rows of from with its change made to them, instead of changing the field.
DriverReport EditRowsOf(Operation operation, FieldRows& from, const OperationInputs& inputs,
                        std::unique_ptr<FieldRows>& edited);
