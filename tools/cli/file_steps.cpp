#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/step.h"
#include "core/field_file.h"
#include "core/palette_file.h"

namespace {

StepResult Open(Session& session, const std::string& path) {
    const InterchangeSettings& settings = session.interchange;
    return FromLoad(session.document.Load(path, {settings.rawWidth, settings.rawHeight}));
}

// Room for the longest extension the writers may append.
constexpr size_t kExtensionRoom = 8;

StepResult Save(Session& session, const std::string& path) {
    SaveOutcome outcome = session.document.Save(path, path.size() + kExtensionRoom, session.RowsToWrite());
    if (!outcome.saved) return StepResult::Failed(outcome.notice);
    // The extension rule may write another name than the one typed; say which.
    if (path != outcome.writtenName) std::fprintf(stderr, "saved as %s\n", outcome.writtenName.c_str());
    ReportNoValues(outcome);
    session.RecordSaved(outcome.writtenName);
    return StepResult::Done();
}

StepResult LoadPalette(Session& session, const std::string& path) {
    std::string paletteDirectory;
    int result = session.document.LoadPalette(path.c_str(), paletteDirectory);
    if (result == kPaletteCannotOpen) return StepResult::Failed("Palette Open error");
    if (result == kPaletteBodyError) return StepResult::Failed("Palette Body error");
    session.document.ApplyPalette();
    return StepResult::Done();
}

// "WxH" or "WxH:16", each side a plain decimal number.
bool ParseSize(const std::string& text, int& width, int& height, int& kind) {
    std::string size = text;
    kind = kEightBitField;
    if (size.size() > 3 && size.compare(size.size() - 3, 3, ":16") == 0) {
        kind = kSixteenBitField;
        size.resize(size.size() - 3);
    }
    return ParseFieldSize(size, width, height);
}

StepResult New(Session& session, int width, int height, int kind) {
    FieldDocument& document = session.document;
    if (!document.field().ReplaceField(width, height)) {
        return StepResult::Failed(NoMemoryMessage(width, height));
    }
    document.field().SetKind(kind);
    document.DropSelection();
    document.Commit();
    return StepResult::Done();
}

Step NewStep() {
    Step step;
    step.name = "--new";
    step.argumentCount = 1;
    step.argumentName = "WxH[:16]";
    step.summary = "start a fresh field without values (16-bit with :16)";
    step.prepare = [](const std::string& text, std::string& error) -> std::optional<StepAction> {
        int width = 0, height = 0, kind = 0;
        if (!ParseSize(text, width, height, kind)) {
            error = "'" + text + "' is not a size like 400x300 or 400x300:16 (each side 1 to " +
                    std::to_string(HeightField::kMaxSide) + ", at most " +
                    std::to_string(HeightField::kMaxPositions) + " positions)";
            return std::nullopt;
        }
        return [=](Session& session) { return New(session, width, height, kind); };
    };
    return step;
}

}  // namespace

void RegisterFileSteps(StepRegistry& registry) {
    registry.Add(FileStep("--open", "FILE", "load a .tga (8-bit), .ppm (16-bit), .png, .pgm, .r16 or .raw field and commit",
                          Open));
    registry.Add(NewStep());
    registry.Add(FileStep("--palette", "FILE", "load a palette file; repaint an 8-bit field; commit",
                          LoadPalette));
    Step save = FileStep("--save", "FILE", "write the field by the name's format (else its kind's) and commit", Save);
    save.writesField = true;
    registry.Add(save);
    registry.Add(SimpleStep("--keep", "commit the field", [](Session& session) {
        session.document.Commit();
        return StepResult::Done();
    }));
    Step undo = SimpleStep("--undo", "return to the last commit and drop the selection", [](Session& session) {
        session.document.Undo();
        return StepResult::Done();
    });
    undo.returnsToCommit = true;
    registry.Add(undo);
}
