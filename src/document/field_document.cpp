#include "document/field_document.h"

#include "core/file_name.h"
#include "core/palette_file.h"
#include "core/render_palette.h"
#include "document/batch_text.h"
#include "document/step_recording.h"
#include "ops/conversion.h"
#include "ops/random_generator.h"

FieldDocument::FieldDocument() {
    field_.SetPalette(palette_);
    StartHistory();
}

// Work still done on another thread reads the field.
FieldDocument::~FieldDocument() { SettleHistory(); }

uint32_t FieldDocument::RoughenSeed() const { return fixedSeed_ ? *fixedSeed_ : ClockSeed(); }

int FieldDocument::LoadPalette(const char* path, std::string& paletteDirectory) {
    Palette colours = palette_;
    int result = LoadPaletteFile(path, colours, paletteDirectory);
    UsePalette(colours);
    return result;
}

void FieldDocument::ApplyPalette() {
    if (field_.kind() == kEightBitField) RenderPalette(field_, palette_);
    field_.SnapshotField();
}

// A file that broke off has changed the palette too, without a repaint or a commit.
int FieldDocument::ChangePalette(const char* path, std::string& paletteDirectory) {
    Palette colours = palette_;
    const int result = LoadPaletteFile(path, colours, paletteDirectory);
    const bool loaded = result == kPaletteLoaded;
    if (loaded || colours != palette_) ChangePaletteTo(colours, path, loaded);
    return result;
}

void FieldDocument::ChangePaletteTo(const Palette& colours, const std::string& path, bool apply) {
    StepRecording step(*this);
    UsePalette(colours);
    if (apply) ApplyPalette();
    step.End({{"--palette " + path}}, apply);
    if (apply && !step.HearsWrites()) history_->LoseWayBack();
}

void FieldDocument::UsePalette(const Palette& colours) {
    palette_ = colours;
    field_.SetPalette(palette_);
}

void FieldDocument::StartBlank() {
    StartNew(HeightField::kInitialSize, HeightField::kInitialSize, kEightBitField);
    name_.clear();
}

int FieldDocument::fileKind() const { return field_.kind() == kSixteenBitField ? kFileKindPpm : kFileKindTga; }

ZoomOutcome FieldDocument::Zoom(ZoomMode mode) {
    if (!history_) {
        Commit();
        ZoomOutcome outcome = ::Zoom(field_, mode, &selection_);
        Commit();
        if (outcome == ZoomOutcome::kDone) ZoomHandedOn(mode);
        return outcome;
    }
    ZoomOutcome outcome;
    {
        StepRecording step(*this);
        outcome = ::Zoom(field_, mode, &selection_);
        if (outcome == ZoomOutcome::kDone) {
            ZoomHandedOn(mode);
            step.EndZoom({{mode == ZoomMode::Expand ? "--expand" : "--shrink"}}, mode);
        }
    }
    // A zoom commits before it tries, refused or not.
    if (outcome != ZoomOutcome::kDone) Commit();
    return outcome;
}

void FieldDocument::ZoomHandedOn(ZoomMode mode) {
    if (source_) source_->ScalePositions(mode == ZoomMode::Expand ? 0.5 : 2);
}

bool FieldDocument::ConvertTo(int kind) {
    if (field_.kind() == kind) return false;
    StepRecording step(*this);
    const bool heard = step.HearsWrites();
    if (kind == kSixteenBitField) {
        RunConvertToPpm(field_);
    } else {
        RunConvertToTga(field_);
    }
    if (source_) source_->ScaleStoredValues(kind == kSixteenBitField ? 256 : 1.0 / 256);
    step.End({{kind == kSixteenBitField ? "--to-ppm" : "--to-tga"}}, true);
    if (!heard) history_->LoseWayBack();
    return true;
}

// A new session on a blank field.
bool FieldDocument::StartNew(int width, int height, int kind) {
    SettleHistory();
    if (!field_.ReplaceField(width, height)) return false;
    field_.SetKind(kind);
    DropSelection();
    field_.SnapshotField();
    source_.reset();
    start_ = SessionStart();
    StartHistory();
    return true;
}
