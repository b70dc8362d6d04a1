#pragma once

#include <string>
#include <vector>

#include "cli/step.h"

inline constexpr int kExitDone = 0;
inline constexpr int kExitStepFailed = 1;
inline constexpr int kExitUsage = 2;

// The step that runs the steps of a file, one a line, as if they stood in its place.
inline constexpr const char* kStepsStep = "--steps";

// What the run needs to know of its steps as a whole.
struct StepPlan {
    bool returnsToCommit = false;  // some step returns to a commit
    // The first of the steps that hand their rows on to the closing save or export, which
    // is the write itself when none do, and the number of steps when the run ends in none.
    size_t handingFrom = 0;
};

// Parses the whole command line into actions, running none; false with a usage message
// in error. The plan, when given, is filled in.
bool PrepareSteps(const std::vector<std::string>& arguments, const StepRegistry& registry,
                  std::vector<StepAction>& actions, std::string& error, StepPlan* plan = nullptr);

// Prepares every step of the arguments (program name excluded), then runs them in order
// on a fresh session. Messages go to standard error; returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments, const StepRegistry& registry);
