#include "document/field_document.h"

#include "core/file_name.h"
#include "core/palette_file.h"
#include "core/render_palette.h"
#include "ops/conversion.h"
#include "ops/random_generator.h"

FieldDocument::FieldDocument() { field_.SetPalette(palette_); }

uint32_t FieldDocument::RoughenSeed() const { return fixedSeed_ ? *fixedSeed_ : ClockSeed(); }

int FieldDocument::LoadPalette(const char* path, std::string& paletteDirectory) {
    int result = LoadPaletteFile(path, palette_, paletteDirectory);
    field_.SetPalette(palette_);
    return result;
}

void FieldDocument::ApplyPalette() {
    if (field_.kind() == kEightBitField) RenderPalette(field_, palette_);
    Commit();
}

int FieldDocument::fileKind() const { return field_.kind() == kSixteenBitField ? kFileKindPpm : kFileKindTga; }

void FieldDocument::Undo() {
    field_.RestoreField();
    DropSelection();
}

ZoomOutcome FieldDocument::Zoom(ZoomMode mode) {
    Commit();
    ZoomOutcome outcome = ::Zoom(field_, mode, &selection_);
    Commit();
    if (outcome == ZoomOutcome::kDone) ZoomHandedOn(mode);
    return outcome;
}

void FieldDocument::ZoomHandedOn(ZoomMode mode) {
    if (source_) source_->ScalePositions(mode == ZoomMode::Expand ? 0.5 : 2);
}

bool FieldDocument::ConvertTo(int kind) {
    if (field_.kind() == kind) return false;
    if (kind == kSixteenBitField) {
        RunConvertToPpm(field_);
    } else {
        RunConvertToTga(field_);
    }
    if (source_) source_->ScaleStoredValues(kind == kSixteenBitField ? 256 : 1.0 / 256);
    return true;
}

bool FieldDocument::StartNew(int width, int height, int kind) {
    if (!field_.ReplaceField(width, height)) return false;
    field_.SetKind(kind);
    DropSelection();
    Commit();
    source_.reset();
    return true;
}
