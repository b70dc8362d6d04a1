#include "document/journal_replay.h"

#include <sstream>

#include "document/batch_text.h"

namespace {

bool Has(const StepText& text, const std::string& line) {
    for (const std::string& given : text.lines) {
        if (given == line) return true;
    }
    return false;
}

std::optional<std::vector<vPoint>> ReadPolygon(const std::string& text) {
    std::vector<vPoint> points;
    std::istringstream pairs(text);
    std::string pair;
    while (pairs >> pair) {
        int x = 0, y = 0;
        char comma = 0;
        std::istringstream numbers(pair);
        if (!(numbers >> x >> comma >> y) || comma != ',') return std::nullopt;
        points.push_back({x, y});
    }
    return points;
}

bool ChoosePolygon(FieldDocument& document, const std::vector<vPoint>& points) {
    FieldSelection& selection = document.selection();
    selection.Begin();
    for (const vPoint& point : points) {
        selection.AddClickedVertex(point.x, point.y, document.field().width(), document.field().height());
    }
    return document.CloseSelection();
}

// The operation of a step's last line, with the seed and area lines before it.
bool RunOperationStep(FieldDocument& document, const StepText& text) {
    int area = kAreaWhole;
    uint32_t seed = 0;
    for (size_t i = 0; i + 1 < text.lines.size(); ++i) {
        const BatchLine line = ReadBatchLines(text.lines[i]).front();
        if (line.name == "--area") {
            std::optional<int> read = ReadAreaWord(line.argument);
            if (!read) return false;
            area = *read;
        } else if (line.name == "--seed") {
            seed = uint32_t(std::stoul(line.argument));
        } else {
            return false;
        }
    }
    const BatchLine last = ReadBatchLines(text.lines.back()).front();
    std::optional<StepCall> call = ReadOperationStep(last.name, last.argument);
    return call && document.Run(call->operation, call->Inputs(area, seed)).ran;
}

// Runs one step through the call the editor made for it.
bool RunStep(FieldDocument& document, const JournalStep& step) {
    const StepText& text = step.text;
    const std::string& last = text.lines.back();
    if (step.palette) {
        document.ChangePaletteTo(*step.palette, last.substr(std::string("--palette ").size()), step.commits);
        return true;
    }
    if (Has(text, "--deselect") || (text.lines.size() == 1 && last == "--keep")) {
        if (Has(text, "--deselect")) {
            document.EndSelection();
        } else {
            document.Keep();
        }
        return true;
    }
    if (last == "--undo") return document.Undo();
    if (last == "--expand") return document.Zoom(ZoomMode::Expand) == ZoomOutcome::kDone;
    if (last == "--shrink") return document.Zoom(ZoomMode::Shrink) == ZoomOutcome::kDone;
    if (last == "--to-ppm") return document.ConvertTo(kSixteenBitField);
    if (last == "--to-tga") return document.ConvertTo(kEightBitField);
    if (last.rfind("--select ", 0) == 0) {
        std::optional<std::vector<vPoint>> points = ReadPolygon(last.substr(9));
        return points && ChoosePolygon(document, *points);
    }
    return RunOperationStep(document, text);
}

}  // namespace

ReplayOutcome ReplayJournal(FieldDocument& document, const JournalContents& journal) {
    document.UsePalette(journal.start.palette);
    if (journal.start.path.empty()) {
        document.StartBlank();
    } else {
        LoadOptions options;
        options.rawSize = {journal.start.rawWidth, journal.start.rawHeight};
        options.elevation.range = journal.start.range;
        LoadOutcome loaded = document.Load(journal.SourceFile(), options);
        if (!loaded.loaded) return {false, loaded.notice};
        document.SetName(journal.start.path);
    }
    const std::vector<JournalStep> done = journal.Done();
    for (size_t i = 0; i < done.size(); ++i) {
        const FieldHistory& history = *document.history();
        const int before = history.position();
        if (!RunStep(document, done[i]) || history.position() != before + 1 ||
            !(history.StepAt(before).text == done[i].text)) {
            return {false, "Step " + std::to_string(i + 1) + " of the journal (" + done[i].text.Name() +
                               ") could not be made again"};
        }
    }
    if (!journal.savedFile.empty()) document.SetName(journal.savedFile);
    return {true, ""};
}
