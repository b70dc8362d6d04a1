#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "cli/command_line.h"
#include "cli/step.h"
#include "files/png_writer.h"

void StepRegistry::Add(Step step) {
    std::string name = step.name;
    if (steps_.find(name) == steps_.end()) order_.push_back(name);
    steps_.insert_or_assign(name, std::move(step));
}

const Step* StepRegistry::Find(const std::string& name) const {
    auto found = steps_.find(name);
    return found == steps_.end() ? nullptr : &found->second;
}

std::vector<const Step*> StepRegistry::InOrder() const {
    std::vector<const Step*> steps;
    for (const std::string& name : order_) steps.push_back(&steps_.at(name));
    return steps;
}

Step SimpleStep(std::string name, std::string summary, StepAction action) {
    Step step;
    step.name = std::move(name);
    step.summary = std::move(summary);
    step.prepare = [action = std::move(action)](const std::string&, std::string&) {
        return std::optional<StepAction>(action);
    };
    return step;
}

bool ParseFieldSize(const std::string& text, int& width, int& height) {
    size_t cross = text.find('x');
    if (cross == std::string::npos || cross == 0 || cross + 1 == text.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i != cross && (text[i] < '0' || text[i] > '9')) return false;
    }
    if (cross > 6 || text.size() - cross - 1 > 6) return false;
    width = std::atoi(text.substr(0, cross).c_str());
    height = std::atoi(text.substr(cross + 1).c_str());
    return HeightField::AcceptableSize(width, height);
}

Step ArgumentStep(std::string name, std::string argumentName, std::string summary, ArgumentParser parse) {
    Step step;
    step.name = std::move(name);
    step.argumentCount = 1;
    step.argumentName = std::move(argumentName);
    step.summary = std::move(summary);
    step.prepare = std::move(parse);
    return step;
}

Step FileStep(std::string name, std::string argumentName, std::string summary,
              std::function<StepResult(Session&, const std::string& path)> run) {
    return ArgumentStep(std::move(name), std::move(argumentName), std::move(summary),
                        [run = std::move(run)](const std::string& path, std::string& error) -> std::optional<StepAction> {
                            if (path.empty()) {
                                error = "the file name is empty";
                                return std::nullopt;
                            }
                            // A forgotten file name would otherwise take the next step as one.
                            if (path.rfind("--", 0) == 0) {
                                error = "'" + path + "' is a step, not a file name (write ./" + path +
                                        " for a file so named)";
                                return std::nullopt;
                            }
                            return [run, path](Session& session) { return run(session, path); };
                        });
}

StepResult PrintToStandardOutput(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return FlushStandardOutput();
}

StepResult ReadField(Session& session, ReadFunction read, const std::string& path) {
    std::unique_ptr<FieldRows> rows;
    LoadOptions options{session.interchange.rawSize, {session.interchange.importRange, nullptr}};
    LoadOutcome outcome = (session.document.*read)(path, options, session.handRows ? &rows : nullptr);
    if (outcome.loaded) {
        session.handed.clear();
        if (rows) session.Hand(std::move(rows));
    }
    return FromLoad(outcome, session.document);
}

StepResult FromLoad(const LoadOutcome& outcome, const FieldDocument& document) {
    if (outcome.loaded) {
        const HeightSource* source = document.heightSource();
        if (source && !source->TakenAsItIs()) {
            std::fprintf(stderr, "%s: %s\n", document.name().c_str(), source->MappingText().c_str());
        }
        return StepResult::Done();
    }
    if (outcome.rawSizeMissing) return StepResult::Failed(outcome.notice + "; give its size with --raw-size WxH first");
    return StepResult::Failed(outcome.notice);
}

StepResult FromSave(Session& session, const SaveOutcome& outcome) {
    if (!outcome.saved) {
        // Rows of a file that ended while they were written say so, as its load would.
        const FieldRows* rows = session.RowsToWrite();
        return StepResult::Failed(rows && !rows->Complete() ? rows->Failure() : outcome.notice);
    }
    if (outcome.noValueCount > 0) {
        std::fprintf(stderr, "%s: %lld positions without a value written as 0\n", outcome.writtenName.c_str(),
                     static_cast<long long>(outcome.noValueCount));
    }
    session.RecordSaved(outcome.writtenName);
    return StepResult::Done();
}

StepResult WritePicture(const Raster& picture, const std::string& path) {
    if (path == "-") {
        StepResult flushed = FlushStandardOutput();
        if (!flushed.ok) return flushed;
        if (!WritePngToStandardOutput(picture)) return StepResult::Failed("Unable to write to standard output");
        return StepResult::Done();
    }
    if (!WritePng(picture, path.c_str())) return StepResult::Failed("Unable to write " + path);
    return StepResult::Done();
}

StepResult FlushStandardOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return StepResult::Failed("Unable to write to standard output");
    }
    return StepResult::Done();
}

namespace {

std::string HelpText(const StepRegistry& registry) {
    std::string text =
        "Usage: knollwork-cli STEP...\n"
        "Runs the steps left to right on one height field, which starts as the editor's\n"
        "canvas does: 400 x 400, 8-bit, no values, no selection.\n"
        "Exit status: 0 every step ran, 1 a step failed, 2 usage error (nothing ran).\n\n";
    std::vector<std::pair<std::string, const Step*>> rows;
    size_t column = 0;
    for (const Step* step : registry.InOrder()) {
        std::string usage = step->name;
        if (step->argumentCount > 0) usage += " " + step->argumentName;
        column = std::max(column, usage.size());
        rows.emplace_back(usage, step);
    }
    for (const auto& [usage, step] : rows) {
        text += "  " + usage + std::string(column + 2 - usage.size(), ' ') + step->summary + "\n";
    }
    return text;
}

}  // namespace

void BuildRegistry(StepRegistry& registry) {
    RegisterFileSteps(registry);
    RegisterEditSteps(registry);
    RegisterReportSteps(registry);
    RegisterInterchangeSteps(registry);
    RegisterRenderSteps(registry);
    // Listed for the help; the command line is read with its files' steps in its place.
    registry.Add(ArgumentStep(kStepsStep, "FILE", "run the steps in FILE, one a line; # starts a comment",
                              [](const std::string&, std::string&) -> std::optional<StepAction> { return std::nullopt; }));
    registry.Add(SimpleStep("--help", "show this text",
                            [&registry](Session&) { return PrintToStandardOutput(HelpText(registry)); }));
    registry.Add(SimpleStep("--version", "show the version", [](Session&) {
        return PrintToStandardOutput(std::string("knollwork-cli ") + KNOLL_VERSION + "\n");
    }));
}
