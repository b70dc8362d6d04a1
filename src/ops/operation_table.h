#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/field_rows.h"
#include "core/height_field.h"
#include "ops/roughen.h"
#include "ops/row_traversal.h"

// The operations a press on the canvas arms, in the order of their codes.
enum class Operation {
    None, Rough, Smooth, Cut, Clip, Inc, Dec, Inverse,
    MirrorLR, MirrorRL, MirrorUD, MirrorDU, FlipLR, FlipUD, Fill,
};

// The operation dialogs, in the order the command bar shows their toggles.
enum class DialogKind { Rough, Smooth, Wacks, Tiles };

// What a run takes besides the field: the dialogs' state, or the batch tool's arguments.
struct OperationInputs {
    int area = kAreaWhole;
    std::string_view valueText{};
    RoughMode roughMode = RoughMode::Middle;
    int radius = 1;
    uint32_t seed = 0;
};

// One operation: the status word written at the press, the message written after the
// run, the dialog it is chosen in, the least value when it reads one, and what it does
// with the value read.
struct OperationRecord {
    Operation operation;
    const char* statusWord;
    const char* doneMessage;
    DialogKind dialog;
    std::optional<int32_t> leastValue;
    void (*run)(HeightField& field, const OperationInputs& inputs, int32_t value);
    // The same change as the edit of rows handed on to a write, for an operation that
    // works row by row; null for the others.
    RowEdit (*rows)(const FieldRows& rows, const OperationInputs& inputs, int32_t value) = nullptr;
};

inline constexpr const char* kValueWrong = "Value Wrong!!";

// Every operation but None, in the order of their codes; within a dialog that is the
// order of its toggles.
std::span<const OperationRecord> Operations();
// The record of an operation, or null for None.
const OperationRecord* FindOperation(Operation operation);
// The status word, "" for None.
const char* StatusWordOf(Operation operation);
// The operation of a dialog's toggle at place (from 0).
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

// Whether the operation can change rows as they pass to a write (EditOfRows).
bool WorksRowByRow(Operation operation);
// For such an operation: reads and checks the value text as RunOperation does, then
// makes the edit of rows instead of changing the field.
DriverReport EditOfRows(Operation operation, const FieldRows& rows, const OperationInputs& inputs, RowEdit& edit);
