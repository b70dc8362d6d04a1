#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/field_file.h"
#include "core/field_rows.h"
#include "core/height_field.h"
#include "core/palette.h"
#include "document/field_history.h"
#include "document/history_budget.h"
#include "document/previous_image.h"
#include "document/step_log.h"
#include "interchange/gdal_heights.h"
#include "interchange/height_source.h"
#include "ops/operation_table.h"
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
//
// The editor keeps a history: each change below is then one step of it, which can be
// stepped back and forward over, and which a log (the journal) hears of. Undo then
// returns to the commit through the history instead of a copy of the field.
class FieldDocument {
public:
    FieldDocument();
    ~FieldDocument();
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
    // conversion or repaint changes it, and Undo back to that state changes it back, as
    // does a step back or forward to it.
    bool IsChanged() const { return field_.revision() != savedRevision_; }

    // Keep: the field as it is becomes the commit; a step of its own.
    void Keep();
    // A commit that goes with something else: a step only when there is something to commit.
    void Commit();
    // Undo: back to the last commit, without a selection. False, changing nothing, when
    // the history lost the way back (memory ran out while a step was recorded).
    bool Undo();
    // Selection mode off: no polygon, the mask white.
    void DropSelection() { selection_.End(field_); }
    // Selection mode on, committed; off again, committed, the polygon dropped.
    void BeginSelection();
    void EndSelection();
    // The outline closed into the chosen polygon; false, the outline dropped, with fewer
    // than three vertices.
    bool CloseSelection();

    // Runs an operation on the field with the inputs as the dialogs or the batch tool give
    // them, the area and the seed included.
    DriverReport Run(Operation operation, const OperationInputs& inputs);

    // Expand 2X or Srink 2X with the selection along, committed before and after. A
    // refused zoom leaves the field as it was.
    ZoomOutcome Zoom(ZoomMode mode);
    // For a zoom whose rows are handed on to a save instead of made into the field: the
    // georeferencing of real heights follows it all the same.
    void ZoomHandedOn(ZoomMode mode);
    // The field rewritten in the other depth and committed; false, changing nothing,
    // when it has that depth already.
    bool ConvertTo(int kind);
    // A palette file loaded (LoadPalette) and, when it loaded whole, an 8-bit field
    // repainted with it and committed (ApplyPalette), as one step.
    int ChangePalette(const char* path, std::string& paletteDirectory);
    // The same step with the colours given: those the file held when it was loaded.
    void ChangePaletteTo(const Palette& colours, const std::string& path, bool apply);
    // The palette set as it is, no step: for the start of a session.
    void UsePalette(const Palette& colours);
    // A session on the blank field the document starts with.
    void StartBlank();

    // ---- History ---------------------------------------------------------------------------
    // From now on every change is a step of a history kept within the budget.
    void KeepHistory(HistoryBudget budget);
    const FieldHistory* history() const { return history_.get(); }
    const HistoryBudget& budget() const { return budget_; }
    void SetBudget(HistoryBudget budget);
    // Whether the field changed since the last commit: Undo would change it.
    bool HasChangesSinceCommit() const;
    // The log that hears of each step; none to stop.
    void SetStepLog(StepLog* log) { log_ = log; }
    // Where the session started: the file opened, or the field the document began with.
    const SessionStart& start() const { return start_; }
    // One step back or forward, or to a position. An outline being drawn is dropped
    // first, and a step back that only drops it goes no further. False when there is
    // nowhere to go.
    bool StepBack();
    bool StepForward();
    bool GoTo(int position);
    // The steps from the start of the session to the position, as the batch tool's.
    std::vector<StepText> StepsDone() const;
    // Waits for the work done on another thread for the last step: its record, and the
    // previous image catching up.
    void SettleHistory();

private:
    friend class StepRecording;

    LoadOutcome LoadTgaOrPpm(const std::string& path, int fileKind);
    // A name of no known format is a wrong type unless GDAL reads the file.
    LoadOutcome LoadElevation(const std::string& path, const ElevationOptions& options, bool knownName,
                              std::unique_ptr<FieldRows>* rows);
    SaveOutcome SaveTgaOrPpm(const std::string& path, int nameKind, FieldRows& rows);
    SaveOutcome ExportElevation(const std::string& path, FieldRows& rows);
    void StartLoading(const LoadOptions& options);
    void Loaded(const std::string& path, std::optional<HeightSource> source = std::nullopt);
    void WillWrite(const std::string& path);
    void Saved(const std::string& path);
    void StartHistory();
    DocumentState State() const;
    void SetState(const DocumentState& state);
    void RestoreSelection(const SelectionSnapshot& selection);
    bool StepOver(const HistoryStep& step, StepDirection direction);
    bool RestoreWholeField(const RowDelta& image);
    const DocumentState& StateAtPosition() const;
    bool DropOutline();
    void MovedTo(int position);
    // On another thread, the work given (the record of a step) and then the previous
    // image catching up with what was written; the record comes back, or nothing
    // without work.
    using RecordWork = std::function<std::shared_ptr<const RowDelta>()>;
    std::future<std::shared_ptr<const RowDelta>> CatchUpAfter(RecordWork work);
    void CatchUpLater() { CatchUpAfter(nullptr); }
    // Before stepping: the catching up stops where it is, the rest waits for the rows'
    // first writes; a record still being worked out is waited for.
    void StopCatchingUp();

    HeightField field_;
    FieldSelection selection_;
    int area_ = 0;
    std::optional<uint32_t> fixedSeed_;
    Palette palette_ = DefaultPalette();
    std::string name_;
    std::unique_ptr<FieldHistory> history_;
    // The working image as each step found it, and its catching up after stepping.
    std::shared_ptr<PreviousImage> previous_;
    std::future<void> catchingUp_;
    std::shared_ptr<std::atomic<bool>> stopCatchingUp_;
    HistoryBudget budget_;
    StepLog* log_ = nullptr;
    SessionStart start_;
    DocumentState startState_;
    std::optional<HeightSource> source_;
    // What the load under way was asked with, the start of the session it opens.
    SessionStart loading_;
    uint64_t savedRevision_ = 0;
};
