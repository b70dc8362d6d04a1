#pragma once

#include <string>
#include <vector>

#include "cli/step.h"

inline constexpr int kExitDone = 0;
inline constexpr int kExitStepFailed = 1;
inline constexpr int kExitUsage = 2;

// Parses the whole command line into actions, running none; false with a usage message
// in error. *returnsToCommit, when given, tells whether any step returns to a commit.
bool PrepareSteps(const std::vector<std::string>& arguments, const StepRegistry& registry,
                  std::vector<StepAction>& actions, std::string& error, bool* returnsToCommit = nullptr);

// Prepares every step of the arguments (program name excluded), then runs them in order
// on a fresh session. Messages go to standard error; returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments, const StepRegistry& registry);
