#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/step.h"
#include "core/field_file.h"
#include "core/palette_file.h"

namespace {

StepResult Save(Session& session, const std::string& path) {
    SaveOutcome outcome = session.document.Save(path, session.RowsToWrite());
    // The extension rule may write another name than the one typed; say which.
    if (outcome.saved && path != outcome.writtenName) {
        std::fprintf(stderr, "saved as %s\n", outcome.writtenName.c_str());
    }
    return FromSave(session, outcome);
}

StepResult LoadPalette(Session& session, const std::string& path) {
    std::string paletteDirectory;
    int result = session.document.LoadPalette(path.c_str(), paletteDirectory);
    if (result != kPaletteLoaded) return StepResult::Failed(PaletteLoadNotice(result));
    session.document.ApplyPalette();
    return StepResult::Done();
}

// The size and depth --new starts a field with.
struct NewField {
    int width = 0;
    int height = 0;
    int kind = kEightBitField;
};

// "WxH" or "WxH:16", each side a plain decimal number.
std::optional<NewField> ParseNewField(const std::string& text) {
    std::string size = text;
    NewField field;
    if (size.size() > 3 && size.compare(size.size() - 3, 3, ":16") == 0) {
        field.kind = kSixteenBitField;
        size.resize(size.size() - 3);
    }
    if (!ParseFieldSize(size, field.width, field.height)) return std::nullopt;
    return field;
}

StepResult New(Session& session, const NewField& fresh) {
    if (!session.document.StartNew(fresh.width, fresh.height, fresh.kind)) {
        return StepResult::Failed(NoMemoryMessage(fresh.width, fresh.height));
    }
    return StepResult::Done();
}

}  // namespace

void RegisterFileSteps(StepRegistry& registry) {
    Step open = FileStep("--open", "FILE", "load a .tga (8-bit), .ppm (16-bit), .png, .pgm, .r16, .raw or elevation raster (.tif, .hgt, .asc, ...) and commit",
                         [](Session& session, const std::string& path) {
                             return ReadField(session, &FieldDocument::Load, path);
                         });
    open.handsRows = Always;
    registry.Add(open);
    registry.Add(ParsedStep<NewField>("--new", "WxH[:16]", "start a fresh field without values (16-bit with :16)",
                                      "a size like 400x300 or 400x300:16 (each side 1 to " +
                                          std::to_string(HeightField::kMaxSide) + ", at most " +
                                          std::to_string(HeightField::kMaxPositions) + " positions)",
                                      ParseNewField, New));
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
