#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/step.h"
#include "core/field_load.h"
#include "core/file_name.h"
#include "core/palette_file.h"
#include "core/ppm.h"
#include "core/render_palette.h"
#include "core/tga.h"

namespace {

const char* LoadNotice(int result) {
    switch (result) {
        case kLoadCannotOpen: return "Unable to LOAD File !!";
        case kLoadNotAccepted: return "File Inconpatable!!";
        default: return "ERROR in File Data!!";
    }
}

StepResult Open(Session& session, const std::string& path) {
    int fileKind = ClassifyFileName(path.c_str());
    if (fileKind == kFileKindUnknown) {
        return StepResult::Failed("WRONG  FILE TYPE!!\n\nTGA & PPM types only !!");
    }
    FileSize size;
    int result = LoadFieldFile(session.field, fileKind, path.c_str(), &size);
    // A failed load leaves the field as it was, its selection and commit included.
    if (result == kLoadNoMemory) return StepResult::Failed(NoMemoryMessage(size.width, size.height));
    if (result != kLoadDone) return StepResult::Failed(LoadNotice(result));
    // A finished load has cleared the mask and committed already.
    session.ForgetSelection();
    return StepResult::Done();
}

StepResult Save(Session& session, const std::string& path) {
    int nameKind = ClassifyFileName(path.c_str());
    int fieldFileKind = session.field.kind() == kSixteenBitField ? kFileKindPpm : kFileKindTga;
    if (nameKind != kFileKindUnknown && nameKind != fieldFileKind) {
        return StepResult::Failed("Wrong File type!!!");
    }
    // Room for the longest extension the writers may append.
    std::vector<char> buffer(path.begin(), path.end());
    buffer.resize(path.size() + 8, '\0');
    int result = fieldFileKind == kFileKindPpm
                     ? SavePpm(session.field, buffer.data(), buffer.size())
                     : SaveTga(session.field, buffer.data(), buffer.size());
    if (result != kSaveDone) return StepResult::Failed("File Save Error!!!");
    // The extension rule may write another name than the one typed; say which.
    if (path != buffer.data()) std::fprintf(stderr, "saved as %s\n", buffer.data());
    session.field.SnapshotField();
    session.interchange.lastSaved = {buffer.data(), session.field.width(), session.field.height()};
    return StepResult::Done();
}

StepResult LoadPalette(Session& session, const std::string& path) {
    std::string paletteDirectory;
    int result = LoadPaletteFile(path.c_str(), ThePalette(), paletteDirectory);
    if (result == kPaletteCannotOpen) return StepResult::Failed("Palette Open error");
    if (result == kPaletteBodyError) return StepResult::Failed("Palette Body error");
    session.field.SetPalette(ThePalette());
    if (session.field.kind() == kEightBitField) RenderPalette(session.field, session.field.palette());
    session.field.SnapshotField();
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
    if (!session.field.ReplaceField(width, height)) {
        return StepResult::Failed(NoMemoryMessage(width, height));
    }
    session.field.SetKind(kind);
    session.DropSelection();
    session.field.SnapshotField();
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
    registry.Add(FileStep("--open", "FILE", "load a .tga (8-bit) or .ppm (16-bit) field and commit", Open));
    registry.Add(NewStep());
    registry.Add(FileStep("--palette", "FILE", "load a palette file; repaint an 8-bit field; commit",
                          LoadPalette));
    registry.Add(FileStep("--save", "FILE", "write the field in its kind's format and commit", Save));
    registry.Add(SimpleStep("--keep", "commit the field", [](Session& session) {
        session.field.SnapshotField();
        return StepResult::Done();
    }));
    registry.Add(SimpleStep("--undo", "return to the last commit and drop the selection",
                            [](Session& session) {
                                session.field.RestoreField();
                                session.DropSelection();
                                return StepResult::Done();
                            }));
}
