#include "cli/command_line.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "document/batch_text.h"

namespace {

int UsageError(const std::string& message) {
    std::fprintf(stderr, "knollwork-cli: %s\nTry 'knollwork-cli --help'.\n", message.c_str());
    return kExitUsage;
}

}  // namespace

namespace {

// A step as given: typed on the command line, or read from a file of steps.
struct GivenStep {
    const Step* step;
    std::string argument;
};

// Steps files may name steps files, as deep as this.
constexpr int kDeepestSteps = 8;

bool ExpandSteps(const std::string& path, const StepRegistry& registry, int depth, std::vector<GivenStep>& given,
                 std::string& error);

// The command line's steps with each --steps FILE replaced by the steps of its file.
bool GatherSteps(const std::vector<std::string>& arguments, const StepRegistry& registry, int depth,
                 std::vector<GivenStep>& given, std::string& error) {
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
        if (step->name == kStepsStep) {
            if (!ExpandSteps(argument, registry, depth, given, error)) return false;
        } else {
            given.push_back({step, argument});
        }
    }
    return true;
}

bool ExpandSteps(const std::string& path, const StepRegistry& registry, int depth, std::vector<GivenStep>& given,
                 std::string& error) {
    if (depth >= kDeepestSteps) {
        error = kStepsStep + std::string(" files name each other too deep, at ") + path;
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file && !file.eof()) {
        error = kStepsStep + std::string(": cannot read '") + path + "'";
        return false;
    }
    for (const BatchLine& line : ReadBatchLines(text)) {
        const std::string where = path + ":" + std::to_string(line.line) + ": ";
        const Step* step = registry.Find(line.name);
        std::vector<std::string> words{line.name};
        if (step && step->argumentCount > 0) {
            words.push_back(line.argument);
        } else if (step && !line.argument.empty()) {
            error = where + line.name + " takes no argument";
            return false;
        }
        if (step && step->argumentCount > 0 && line.argument.empty()) {
            error = where + line.name + " needs " + step->argumentName;
            return false;
        }
        if (!GatherSteps(words, registry, depth + 1, given, error)) {
            error = where + error;
            return false;
        }
    }
    return true;
}

}  // namespace

bool PrepareSteps(const std::vector<std::string>& arguments, const StepRegistry& registry,
                  std::vector<StepAction>& actions, std::string& error, StepPlan* plan) {
    std::vector<GivenStep> given;
    if (!GatherSteps(arguments, registry, 0, given, error)) return false;
    std::vector<const Step*> steps;
    std::vector<std::string> stepArguments;
    for (const GivenStep& one : given) {
        std::string stepError;
        std::optional<StepAction> action = one.step->prepare(one.argument, stepError);
        if (!action) {
            error = one.step->name + ": " + stepError;
            return false;
        }
        actions.push_back(std::move(*action));
        steps.push_back(one.step);
        stepArguments.push_back(one.argument);
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
