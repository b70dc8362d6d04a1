#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/field_file.h"
#include "core/field_rows.h"
#include "core/height_field.h"
#include "core/palette.h"
#include "interchange/gdal_heights.h"
#include "interchange/height_source.h"
#include "ops/selection.h"
#include "ops/zoom.h"

// The size to read a RAW file that is not square as; 0 x 0 for a square one.
struct RawSize {
    int width = 0;
    int height = 0;
};

// What a load asks about: the size of a RAW file that is not square, and the range of
// heights an elevation raster's values are mapped from.
struct LoadOptions {
    RawSize rawSize;
    ElevationOptions elevation;
};

// What a load did: done, or the notice that says why not. A failed load leaves the
// document as it was. A RAW file refused for want of a size marks it, so that each front
// end can add how its user gives one; so does a name of no format read, for a front end
// with its own words for that.
struct LoadOutcome {
    bool loaded = false;
    std::string notice;
    bool rawSizeMissing = false;
    bool wrongType = false;
    bool cancelled = false;  // the user chose no range of heights; nothing to tell
};

// What a save did. The name written may differ from the one asked for (the extension
// rule of TGA and PPM); positions without a value are written as 0 and counted.
struct SaveOutcome {
    bool saved = false;
    std::string notice;
    std::string writtenName;
    int64_t noValueCount = 0;
};

// What a user edits: the height field, the chosen polygon and the area the operations
// work on, roughen's seed, the palette, and the file the field came from; with the
// rules that act on them together. The editor's window and canvas and the batch tool's
// steps run on one of these, so a rule is written once.
class FieldDocument {
public:
    FieldDocument();
    FieldDocument(const FieldDocument&) = delete;
    FieldDocument& operator=(const FieldDocument&) = delete;

    HeightField& field() { return field_; }
    const HeightField& field() const { return field_; }
    FieldSelection& selection() { return selection_; }
    const FieldSelection& selection() const { return selection_; }
    // kAreaWhole, kAreaInside or kAreaOutside.
    int area() const { return area_; }
    void SetArea(int area) { area_ = area; }

    // Every roughen starts from the fixed seed once one is given, else from the clock.
    void SetFixedSeed(uint32_t seed) { fixedSeed_ = seed; }
    uint32_t RoughenSeed() const;

    // The palette through which an 8-bit field stores and shows its values. A file that
    // breaks off has replaced the entries before the faulty line; a kPalette code.
    const Palette& palette() const { return palette_; }
    int LoadPalette(const char* path, std::string& paletteDirectory);
    // An 8-bit field repainted with the palette, then committed.
    void ApplyPalette();

    // The file kind of the field's depth: kFileKindPpm for 16 bits, else kFileKindTga.
    int fileKind() const;
    // The file's name: the one last read or written whole, or what the editor's choosers
    // set (the name chosen, also for a load that failed; none after a cancelled save).
    const std::string& name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Where the field's values came from when it was read from a raster of real heights:
    // their mapping onto heights, the units, the georeferencing; null for every other
    // field. It follows the field through zooms and conversions.
    const HeightSource* heightSource() const { return source_ ? &*source_ : nullptr; }
    // The vertical scale at which the heights stand in their true proportion to the
    // ground, when the field came from an elevation model that says both.
    std::optional<double> TrueVerticalScale() const { return source_ ? source_->TrueVerticalScale() : std::nullopt; }

    // Whether Load may read a file of this name at all; a name of no known format is
    // asked of GDAL, which knows rasters by their first bytes.
    static bool ReadsName(const std::string& path);
    // The sizes Load may be given for a RAW file that is not square; none for every
    // other file.
    static std::vector<FileSize> RawSizeChoices(const std::string& path);
    // Reads the file by its name: ".tga" or ".ppm" anywhere in it as those formats, else
    // ".png", ".pgm", ".r16" or ".raw" at its end, else ".tif", ".tiff", ".hgt", ".asc"
    // or any other extension as a raster that GDAL reads. Only a file read whole replaces
    // the field; the selection goes, the new field is committed.
    //
    // Rows, when given, may take a file that can be read as its rows are asked for (a
    // pixmap or greymap that nothing after its header can refuse, a PNG, an elevation
    // raster) instead of the field: the field only takes its kind and the file's rows are
    // handed back, to be written before anything else reads the field.
    LoadOutcome Load(const std::string& path, const LoadOptions& options = {},
                     std::unique_ptr<FieldRows>* rows = nullptr);
    // Reads a PNG, PGM, RAW or elevation file by its extension alone, as Load does.
    LoadOutcome Import(const std::string& path, const LoadOptions& options = {},
                       std::unique_ptr<FieldRows>* rows = nullptr);
    // Writes by the name as Load reads (a name of no known format in the field's own
    // TGA or PPM) and commits. TGA and PPM names get their extension rule and must match
    // the field's depth; the others write it as it is. Rows, when given, are written
    // instead of the working image's.
    SaveOutcome Save(const std::string& path, FieldRows* rows = nullptr);
    // Writes a PNG, PGM, RAW or GeoTIFF file without committing.
    SaveOutcome Export(const std::string& path, FieldRows* rows = nullptr);
    // A fresh field without values of the size and kind, committed, without a selection;
    // false, changing nothing, when it cannot be held.
    bool StartNew(int width, int height, int kind);

    // Whether the field differs from what was last loaded or saved: any edit, zoom,
    // conversion or repaint changes it, and Undo back to that state changes it back.
    bool IsChanged() const { return field_.revision() != savedRevision_; }

    // Keep: the field as it is becomes the commit.
    void Commit() { field_.SnapshotField(); }
    // Undo: back to the last commit, without a selection.
    void Undo();
    // Selection mode off: no polygon, the mask white.
    void DropSelection() { selection_.End(field_); }

    // Expand 2X or Srink 2X with the selection along, committed before and after. A
    // refused zoom leaves the field as it was.
    ZoomOutcome Zoom(ZoomMode mode);
    // For a zoom whose rows are handed on to a save instead of made into the field: the
    // georeferencing of real heights follows it all the same.
    void ZoomHandedOn(ZoomMode mode);
    // The field rewritten in the other depth and committed; false, changing nothing,
    // when it has that depth already.
    bool ConvertTo(int kind);

private:
    LoadOutcome LoadTgaOrPpm(const std::string& path, int fileKind);
    // A name of no known format is a wrong type unless GDAL reads the file.
    LoadOutcome LoadElevation(const std::string& path, const ElevationOptions& options, bool knownName,
                              std::unique_ptr<FieldRows>* rows);
    SaveOutcome SaveTgaOrPpm(const std::string& path, int nameKind, FieldRows& rows);
    SaveOutcome ExportElevation(const std::string& path, FieldRows& rows);
    void Loaded(const std::string& path, std::optional<HeightSource> source = std::nullopt);
    void Saved(const std::string& path);

    HeightField field_;
    FieldSelection selection_;
    int area_ = 0;
    std::optional<uint32_t> fixedSeed_;
    Palette palette_ = DefaultPalette();
    std::string name_;
    std::optional<HeightSource> source_;
    uint64_t savedRevision_ = 0;
};
