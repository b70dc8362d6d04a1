#include "document/batch_text.h"

#include <cstdio>
#include <utility>

#include "core/palette.h"

namespace {

constexpr const char* kAreaWords[] = {"whole", "inside", "outside"};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view WithoutComment(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || IsBlank(line[i - 1]))) return line.substr(0, i);
    }
    return line;
}

// How a command line starts that the steps are to follow.
std::string OpeningSteps(const SessionStart& start, const std::string& paletteFile) {
    std::string steps;
    if (start.palette != DefaultPalette() && !paletteFile.empty()) steps += "--palette " + paletteFile + " ";
    if (start.path.empty()) return steps;
    if (start.rawWidth > 0) steps += "--raw-size " + std::to_string(start.rawWidth) + "x" + std::to_string(start.rawHeight) + " ";
    if (start.range) {
        char range[80];
        std::snprintf(range, sizeof range, "--import-range %.17g:%.17g ", start.range->low, start.range->high);
        steps += range;
    }
    return steps + "--open " + start.path + " ";
}

}  // namespace

std::optional<StepCall> ReadOperationStep(const std::string& name, const std::string& argument) {
    for (const OperationStep& step : OperationSteps()) {
        if (name == step.step().name) return step.Read(argument);
    }
    return std::nullopt;
}

std::optional<int> ReadAreaWord(const std::string& word) {
    for (int area = kAreaWhole; area <= kAreaOutside; ++area) {
        if (word == kAreaWords[area]) return area;
    }
    return std::nullopt;
}

std::string PolygonText(const FieldSelection& selection) {
    std::string text;
    const int count = selection.vertexCount();
    for (int i = 0; i < count; ++i) {
        const vPoint& point = selection.points()[size_t(i)];
        if (!text.empty()) text += ' ';
        text += std::to_string(point.x) + "," + std::to_string(point.y);
    }
    return text;
}

StepText OperationText(Operation operation, const OperationInputs& inputs) {
    StepText text;
    const OperationRecord* record = FindOperation(operation);
    if (record && record->seeded) text.lines.push_back("--seed " + std::to_string(inputs.seed));
    text.lines.push_back(std::string("--area ") + kAreaWords[inputs.area]);
    std::string line;
    for (const std::string& word : BatchStepWords(operation, inputs)) line += (line.empty() ? "" : " ") + word;
    text.lines.push_back(std::move(line));
    return text;
}

std::vector<BatchLine> ReadBatchLines(std::string_view text) {
    std::vector<BatchLine> steps;
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = Trimmed(WithoutComment(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.empty()) continue;
        size_t blank = 0;
        while (blank < line.size() && !IsBlank(line[blank])) ++blank;
        std::string_view argument = Trimmed(line.substr(blank));
        if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
            argument = argument.substr(1, argument.size() - 2);
        }
        steps.push_back({std::string(line.substr(0, blank)), std::string(argument), number});
    }
    return steps;
}

std::string StepsFileText(const SessionStart& start, const std::vector<StepText>& steps,
                          const std::string& paletteFile) {
    std::string text = "# Knollwork steps since ";
    text += start.path.empty() ? "the start, on the blank field" : start.path + " was opened";
    text += "\n# Repeat them with: knollwork-cli " + OpeningSteps(start, paletteFile) + "--steps THIS_FILE --save OUT\n";
    if (start.palette != DefaultPalette() && paletteFile.empty()) {
        text += "# The field was opened with a palette of its own; give it with --palette before --open.\n";
    }
    std::string area, seed;
    for (const StepText& step : steps) {
        for (const std::string& line : step.lines) {
            std::string* setting = line.rfind("--area ", 0) == 0 ? &area : line.rfind("--seed ", 0) == 0 ? &seed : nullptr;
            if (setting) {
                if (*setting == line) continue;
                *setting = line;
            }
            text += line + "\n";
        }
    }
    return text;
}
