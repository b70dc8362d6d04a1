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
    std::vector<std::string> stepArguments;
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
        stepArguments.push_back(argument);
    }
    if (plan) {
        plan->returnsToCommit = std::any_of(steps.begin(), steps.end(), [](const Step* s) { return s->returnsToCommit; });
        const bool areaChosen = std::any_of(steps.begin(), steps.end(), [](const Step* s) { return s->choosesArea; });
        auto hands = [&](size_t i) {
            const Step& step = *steps[i];
            if (step.letsRowsPass) return true;
            return step.handsRows && step.handsRows(stepArguments[i]) && !(step.readsArea && areaChosen);
        };
        size_t from = steps.size();
        if (from > 0 && steps.back()->writesField) {
            --from;
            while (from > 0 && hands(from - 1)) --from;
        }
        plan->handingFrom = from;
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
        session.handRows = i >= plan.handingFrom && i + 1 < actions.size();
        StepResult result = actions[i](session);
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", result.message.c_str());
            return kExitStepFailed;
        }
    }
    return kExitDone;
}
