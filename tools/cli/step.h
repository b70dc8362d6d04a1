#pragma once

// The steps of knollwork-cli. Each command-line step ("--open FILE", "--info", ...) is one
// Step record in a StepRegistry. The command line is prepared as a whole first: every
// step's argument is parsed into an action, and a usage error stops everything before
// any action runs. Then the actions run left to right on one Session.
//
// Adding steps: write a file with a registration function that calls registry.Add()
// once per step, declare it below, and call it from BuildRegistry() in registry.cpp. A
// step's prepare function validates its
// argument text; it returns the action to run, or std::nullopt after writing a usage
// message into `error`. Failures that the editor would report as a notice (a file that
// cannot be read, "Value Wrong!!") belong in the action's StepResult, not in prepare.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/interchange_settings.h"
#include "core/worker_pool.h"
#include "document/field_document.h"
#include "framework/draw/raster.h"
#include "render/terrain_camera.h"

// Everything the steps share while the command line runs: the document they edit,
// which starts as the editor's does (400 x 400, 8-bit, no values, no selection, whole
// area), and the settings of the interchange steps.
struct Session {
    FieldDocument document;
    InterchangeSettings interchange;  // --raw-size, --light, --seams-max, the file written last
    WorkerPool workers;
    // Set while a step runs that hands its rows on to the run's closing write instead of
    // changing the field: the write puts them straight into the file, so the field they
    // would form is never held.
    bool handRows = false;
    // The rows handed on so far: first the working image's, then each handing step's,
    // made from those before it.
    std::vector<std::unique_ptr<FieldRows>> handed;

    // The rows the next handing step starts from.
    FieldRows& RowsSoFar() {
        if (handed.empty()) handed.push_back(std::make_unique<WorkingRows>(document.field()));
        return *handed.back();
    }
    void Hand(std::unique_ptr<FieldRows> rows) { handed.push_back(std::move(rows)); }
    // What a save or export writes instead of the field: the rows handed on, if any.
    FieldRows* RowsToWrite() { return handed.empty() ? nullptr : handed.back().get(); }
    // Remembers the file written last, at the size it was written, for --pov.
    void RecordSaved(const std::string& path) {
        const HeightField& field = document.field();
        const FieldRows* rows = RowsToWrite();
        interchange.lastSaved = {path, rows ? rows->width : field.width(), rows ? rows->height : field.height(),
                                 field.kind()};
    }
};

// What a step's action reports: success, or the editor's own message text.
struct StepResult {
    bool ok = true;
    std::string message;

    static StepResult Done() { return {}; }
    static StepResult Failed(std::string message) { return {false, std::move(message)}; }
};

using StepAction = std::function<StepResult(Session&)>;

struct Step {
    std::string name;       // as typed, e.g. "--open"
    int argumentCount = 0;  // 0 or 1
    std::string argumentName;  // shown in the help, e.g. "FILE"
    std::string summary;       // one line of help
    // Turns the argument (empty when argumentCount is 0) into the action, or returns
    // std::nullopt with a usage message in `error`.
    std::function<std::optional<StepAction>(const std::string& argument, std::string& error)>
        prepare;
    // The step returns to the last commit, so edits before it keep a copy to return to.
    bool returnsToCommit = false;
    // Steps right before a last step that writes the field (writesField) hand that write
    // their rows when handsRows says so for their argument: an expand, a read, an edit
    // that works row by row. An edit that reads the area (readsArea) does so only in a
    // run where no step chooses one (choosesArea), so that it has no mask to read.
    std::function<bool(const std::string& argument)> handsRows;
    // A step that only sets what later steps use (a seed, a RAW size) lets rows pass.
    bool letsRowsPass = false;
    bool readsArea = false;
    bool choosesArea = false;
    bool writesField = false;
};

class StepRegistry {
public:
    // Later registrations of the same name replace earlier ones.
    void Add(Step step);
    const Step* Find(const std::string& name) const;
    // Steps in the order they were first added, for the help text.
    std::vector<const Step*> InOrder() const;

private:
    std::map<std::string, Step> steps_;
    std::vector<std::string> order_;
};

// For handsRows: whatever the argument.
inline bool Always(const std::string&) { return true; }

// Convenience for steps without an argument.
Step SimpleStep(std::string name, std::string summary, StepAction action);

// "WxH", each side a plain decimal number, the size within a field's bounds.
bool ParseFieldSize(const std::string& text, int& width, int& height);

// Convenience for steps with one argument, which parse reads into the step's action or
// refuses with a message.
using ArgumentParser = std::function<std::optional<StepAction>(const std::string&, std::string&)>;
Step ArgumentStep(std::string name, std::string argumentName, std::string summary, ArgumentParser parse);

// Convenience for steps whose one argument parse reads into a value for run; an argument
// it refuses is reported as "'TEXT' is not " followed by what was expected.
template <class Value>
Step ParsedStep(std::string name, std::string argumentName, std::string summary, std::string expected,
                std::function<std::optional<Value>(const std::string&)> parse,
                std::function<StepResult(Session&, Value)> run) {
    return ArgumentStep(std::move(name), std::move(argumentName), std::move(summary),
                        [=](const std::string& text, std::string& error) -> std::optional<StepAction> {
                            std::optional<Value> value = parse(text);
                            if (!value) {
                                error = "'" + text + "' is not " + expected;
                                return std::nullopt;
                            }
                            return [run, value = *value](Session& session) { return run(session, value); };
                        });
}

// Convenience for steps whose one argument is a file name, which must not be empty
// nor begin with "--".
Step FileStep(std::string name, std::string argumentName, std::string summary,
              std::function<StepResult(Session&, const std::string& path)> run);

// Writes text to standard output at once, so that a full disk, a closed stream or any
// other write error fails the step instead of passing unnoticed.
StepResult PrintToStandardOutput(const std::string& text);
StepResult FlushStandardOutput();

// Reads the field with Load or Import, or, in a step that hands its rows on, perhaps
// only the file's header, handing its rows on; rows handed before are let go.
using ReadFunction = LoadOutcome (FieldDocument::*)(const std::string&, const LoadOptions&,
                                                    std::unique_ptr<FieldRows>*);
StepResult ReadField(Session& session, ReadFunction read, const std::string& path);

// A load's result as a step; a RAW file refused for want of a size says how to give one.
// A raster whose values were mapped says how on standard error.
StepResult FromLoad(const LoadOutcome& outcome, const FieldDocument& document);

// A save's result as a step. A file written is the one --pov renders, and the positions
// it wrote as 0 for want of a value are counted on standard error.
StepResult FromSave(Session& session, const SaveOutcome& outcome);

// Writes a picture as PNG, to standard output for "-".
StepResult WritePicture(const Raster& picture, const std::string& path);

// How --render and --pov show the field: --camera and --zfactor where given, the
// field's fitted vertical scale and default camera where not, and the --light sun.
TerrainShot SessionShot(Session& session);

// Registration functions, one per file of steps.
void RegisterFileSteps(StepRegistry& registry);    // file_steps.cpp
void RegisterReportSteps(StepRegistry& registry);  // report_steps.cpp
void RegisterEditSteps(StepRegistry& registry);    // edit_steps.cpp
void RegisterInterchangeSteps(StepRegistry& registry);  // interchange_steps.cpp
void RegisterRenderSteps(StepRegistry& registry);       // render_steps.cpp

// Adds every step this build knows, --help and --version included. The help step
// lists the registry it was added to, so the registry must outlive the run.
void BuildRegistry(StepRegistry& registry);
