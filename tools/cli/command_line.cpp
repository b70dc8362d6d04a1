#include "cli/command_line.h"

#include <algorithm>
#include <cstdio>

namespace {

int UsageError(const std::string& message) {
    std::fprintf(stderr, "knollwork-cli: %s\nTry 'knollwork-cli --help'.\n", message.c_str());
    return kExitUsage;
}

}  // namespace

bool PrepareSteps(const std::vector<std::string>& arguments, const StepRegistry& registry,
                  std::vector<StepAction>& actions, std::string& error, StepPlan* plan) {
    std::vector<const Step*> steps;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const Step* step = registry.Find(arguments[i]);
        if (!step) {
            error = "unknown step '" + arguments[i] + "'";
            return false;
        }
        std::string argument;
        if (step->argumentCount > 0) {
            if (i + 1 >= arguments.size()) {
                error = step->name + " needs " + step->argumentName;
                return false;
            }
            argument = arguments[++i];
        }
        std::string stepError;
        std::optional<StepAction> action = step->prepare(argument, stepError);
        if (!action) {
            error = step->name + ": " + stepError;
            return false;
        }
        actions.push_back(std::move(*action));
        steps.push_back(step);
    }
    if (plan) {
        plan->returnsToCommit = std::any_of(steps.begin(), steps.end(), [](const Step* s) { return s->returnsToCommit; });
        const size_t count = steps.size();
        plan->endsInExpandAndWrite = count >= 2 && steps[count - 2]->expands && steps[count - 1]->writesField;
    }
    return true;
}

int RunCommandLine(const std::vector<std::string>& arguments, const StepRegistry& registry) {
    if (arguments.empty()) return UsageError("no steps given");
    std::vector<StepAction> actions;
    std::string error;
    StepPlan plan;
    if (!PrepareSteps(arguments, registry, actions, error, &plan)) return UsageError(error);

    Session session;
    // Without an Undo step no edit needs the copy it would make of the field first.
    if (!plan.returnsToCommit) session.document.field().KeepNoUndo();
    for (size_t i = 0; i < actions.size(); ++i) {
        // Only the expand right before the closing write leaves its rows to that write.
        session.expandIntoWrite = plan.endsInExpandAndWrite && i + 2 == actions.size();
        StepResult result = actions[i](session);
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", result.message.c_str());
            return kExitStepFailed;
        }
    }
    return kExitDone;
}
