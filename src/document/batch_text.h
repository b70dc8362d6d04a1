#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/history_step.h"
#include "document/step_log.h"
#include "ops/operation_steps.h"
#include "ops/operation_table.h"
#include "ops/selection.h"

// The batch tool's steps as text: what each step of the history is written as, and the
// reading of a file of steps, one a line, "#" starting a comment.

// "X,Y X,Y X,Y" of the polygon's vertices, without the entry that closes it.
std::string PolygonText(const FieldSelection& selection);

// The steps that repeat a run of the operation with these inputs: the seed of one that
// draws from it, the area, then the operation with its value as the dialogs read it.
StepText OperationText(Operation operation, const OperationInputs& inputs);

// An operation's batch step read back: the operation and the inputs it gives, the area
// and the seed aside (steps of their own); none for a name and argument that are no
// operation's step.
std::optional<StepCall> ReadOperationStep(const std::string& name, const std::string& argument);
// The area of "--area WORD"'s word, or none.
std::optional<int> ReadAreaWord(const std::string& word);

// One step of a file of steps: its name ("--rough") and its argument ("middle:24", empty
// for none), and the line it stands on, from 1.
struct BatchLine {
    std::string name;
    std::string argument;
    int line = 0;
};

// The steps of the text. The first word of a line is the step, the rest of the line its
// argument, blanks included; double quotes around it are taken off. A "#" at the start
// of a line or after a blank starts a comment; lines with nothing else give no step.
std::vector<BatchLine> ReadBatchLines(std::string_view text);

// The steps given, one a line, after comments that say where they start and how to
// repeat them: a repeated area or seed is written once.
std::string StepsFileText(const SessionStart& start, const std::vector<StepText>& steps,
                          const std::string& paletteFile);
