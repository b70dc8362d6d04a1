#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "core/field_file.h"
#include "core/field_load.h"
#include "core/file_name.h"
#include "core/ppm.h"
#include "core/ppm_rows.h"
#include "core/tga.h"
#include "document/field_document.h"
#include "document/height_file_kinds.h"
#include "interchange/elevation_rows.h"
#include "interchange/height_files.h"
#include "interchange/raw_heights.h"

// Loading and saving by name, in every format the engine knows.

namespace {

constexpr const char* kSaveWrongType = "Wrong File type!!!";
constexpr const char* kSaveError = "File Save Error!!!";
// Room for the longest extension the TGA and PPM writers may append.
constexpr size_t kExtensionRoom = 8;
constexpr const char* kRawNeedsSixteenBits = "RAW files hold 16-bit fields only!!\n\nCovert to PPM first.";
constexpr const char* kElevationReadOnly = "of the elevation rasters only GeoTIFF is written; name the file .tif";

LoadOutcome WrongType() { return {.notice = WrongTypeNotice(), .wrongType = true}; }

std::string LoadNotice(int result, const FileSize& size) {
    switch (result) {
        case kLoadCannotOpen: return "Unable to LOAD File !!";
        case kLoadNotAccepted: return "File Inconpatable!!";
        case kLoadNoMemory: return NoMemoryMessage(size.width, size.height);
        default: return "ERROR in File Data!!";
    }
}

// The interchange format of a name that is neither a TGA nor a PPM name.
HeightFormat InterchangeFormatOf(const std::string& path) {
    if (ClassifyFileName(path.c_str()) != kFileKindUnknown) return HeightFormat::kUnknown;
    return HeightFormatOf(path);
}

// The name a TGA or PPM save writes: the extension rule applied; "" when it cannot be.
std::string WrittenName(const std::string& path, int fileKind) {
    std::string written = path;
    written.resize(path.size() + kExtensionRoom, '\0');
    if (!RewriteExtension(written.data(), written.size(), fileKind == kFileKindPpm ? ".ppm" : ".tga")) return "";
    return written.c_str();
}

}  // namespace

bool FieldDocument::ReadsName(const std::string& path) {
    return ClassifyFileName(path.c_str()) != kFileKindUnknown || HeightFormatOf(path) != HeightFormat::kUnknown ||
           (MayBeElevationName(path) && IsElevationFile(path));
}

std::vector<FileSize> FieldDocument::RawSizeChoices(const std::string& path) {
    if (InterchangeFormatOf(path) != HeightFormat::kRaw) return {};
    return RawSizesOf(path.c_str());
}

LoadOutcome FieldDocument::Load(const std::string& path, const LoadOptions& options,
                                std::unique_ptr<FieldRows>* rows) {
    StartLoading(options);
    int fileKind = ClassifyFileName(path.c_str());
    if (fileKind == kFileKindPpm && rows) {
        auto reader = std::make_unique<PpmReader>(path.c_str());
        if (reader->ReadsAsAsked()) {
            field_.SetKind(kSixteenBitField);
            *rows = std::make_unique<PpmRows>(field_, std::move(reader), LoadNotice(kLoadDataEnded, {}));
            Loaded(path);
            return {true, ""};
        }
    }
    if (fileKind != kFileKindUnknown) return LoadTgaOrPpm(path, fileKind);
    if (HeightFormatOf(path) != HeightFormat::kUnknown) return Import(path, options, rows);
    if (MayBeElevationName(path)) return LoadElevation(path, options.elevation, false, rows);
    return WrongType();
}

LoadOutcome FieldDocument::LoadTgaOrPpm(const std::string& path, int fileKind) {
    FileSize size;
    int result = LoadFieldFile(field_, fileKind, path.c_str(), &size);
    if (result != kLoadDone) return {false, LoadNotice(result, size)};
    Loaded(path);
    return {true, ""};
}

LoadOutcome FieldDocument::LoadElevation(const std::string& path, const ElevationOptions& options, bool knownName,
                                         std::unique_ptr<FieldRows>* rows) {
    // The range the user picks is kept with the session, so that it can be read again.
    ElevationOptions asking = options;
    if (options.askRange) {
        asking.askRange = [this, &options](const HeightRange& data, const std::string& units) {
            std::optional<HeightRange> picked = options.askRange(data, units);
            if (picked) loading_.range = picked;
            return picked;
        };
    }
    ElevationRead read;
    std::unique_ptr<ElevationReader> reader = ElevationReader::Open(path, asking, read);
    if (!read.opened && !knownName) return WrongType();
    if (read.cancelled) return {.notice = "", .cancelled = true};
    if (!reader) return {false, path + ": " + read.error};
    if (rows) {
        field_.SetKind(reader->bits() == 16 ? kSixteenBitField : kEightBitField);
        *rows = std::make_unique<ElevationRows>(field_, path, std::move(reader));
    } else {
        FieldSampleRows samples(field_);
        InterchangeError error = StoreElevation(*reader, samples);
        if (!error.empty()) return {false, path + ": " + error};
        samples.Finish();
    }
    Loaded(path, read.source);
    return {true, ""};
}

LoadOutcome FieldDocument::Import(const std::string& path, const LoadOptions& options,
                                  std::unique_ptr<FieldRows>* rows) {
    StartLoading(options);
    HeightFormat format = HeightFormatOf(path);
    if (format == HeightFormat::kElevation || (format == HeightFormat::kUnknown && MayBeElevationName(path))) {
        return LoadElevation(path, options.elevation, true, rows);
    }
    const RawSize& rawSize = options.rawSize;
    if (rows && (*rows = HeightRowsAsAsked(field_, path))) {
        Loaded(path);
        return {true, ""};
    }
    FieldSampleRows samples(field_);
    InterchangeError error = ReadHeights(path, HeightFormatOf(path), rawSize.width, rawSize.height, samples);
    if (!error.empty()) {
        std::string notice = path + ": " + error;
        bool sizeMissing = false;
        // A RAW file that holds no square may still hold a field of a size the user gives.
        if (HeightFormatOf(path) == HeightFormat::kRaw && rawSize.width == 0 && RawNeedsSize(path.c_str())) {
            sizeMissing = !RawSizesOf(path.c_str()).empty();
            if (!sizeMissing) notice += ", nor any other within a field's bounds";
        }
        return {false, notice, sizeMissing};
    }
    samples.Finish();
    Loaded(path);
    return {true, ""};
}

// What a session is opened with is kept for its journal: a RAW file's size, the range of
// heights of an elevation raster.
void FieldDocument::StartLoading(const LoadOptions& options) {
    SettleHistory();
    loading_ = {"", options.rawSize.width, options.rawSize.height, {}, options.elevation.range};
}

// The journal sets the file the session started from aside before a save replaces it.
void FieldDocument::WillWrite(const std::string& path) {
    if (!log_ || start_.path.empty()) return;
    struct stat target {}, opened {};
    if (stat(path.c_str(), &target) == 0 && stat(start_.path.c_str(), &opened) == 0 && target.st_dev == opened.st_dev &&
        target.st_ino == opened.st_ino) {
        log_->FileWillBeReplaced();
    }
}

// A finished load has cleared the mask and committed already; a session starts.
void FieldDocument::Loaded(const std::string& path, std::optional<HeightSource> source) {
    selection_ = FieldSelection();
    name_ = path;
    source_ = std::move(source);
    start_ = loading_;
    start_.path = path;
    savedRevision_ = field_.revision();
    StartHistory();
}

void FieldDocument::Saved(const std::string& path) {
    Commit();
    name_ = path;
    if (log_) log_->Saved(path);
    savedRevision_ = field_.revision();
}

SaveOutcome FieldDocument::Save(const std::string& path, FieldRows* rows) {
    int nameKind = ClassifyFileName(path.c_str());
    HeightFormat format = InterchangeFormatOf(path);
    WorkingRows working(field_);
    if (format == HeightFormat::kUnknown) return SaveTgaOrPpm(path, nameKind, rows ? *rows : working);
    if (format == HeightFormat::kRaw && field_.kind() != kSixteenBitField) {
        return {false, kRawNeedsSixteenBits, path, 0};
    }
    SaveOutcome outcome = Export(path, rows);
    if (outcome.saved) Saved(path);
    return outcome;
}

SaveOutcome FieldDocument::SaveTgaOrPpm(const std::string& path, int nameKind, FieldRows& rows) {
    if (nameKind != kFileKindUnknown && nameKind != fileKind()) return {false, kSaveWrongType, path, 0};
    WillWrite(WrittenName(path, fileKind()));
    std::vector<char> name(path.size() + kExtensionRoom, '\0');
    std::copy(path.begin(), path.end(), name.begin());
    int result = fileKind() == kFileKindPpm ? SavePpmRows(rows, name.data(), name.size())
                                            : SaveTgaRows(rows, name.data(), name.size());
    if (result != kSaveDone) return {false, kSaveError, name.data(), 0};
    Saved(name.data());
    return {true, "", name.data(), 0};
}

SaveOutcome FieldDocument::Export(const std::string& path, FieldRows* rows) {
    WillWrite(path);
    WorkingRows working(field_);
    if (HeightFormatOf(path) == HeightFormat::kElevation) return ExportElevation(path, rows ? *rows : working);
    FieldSamples samples(rows ? *rows : working);
    InterchangeError error = WriteHeights(path, HeightFormatOf(path), samples);
    if (!error.empty()) return {false, path + ": " + error, path, samples.noValue()};
    name_ = path;
    return {true, "", path, samples.noValue()};
}

SaveOutcome FieldDocument::ExportElevation(const std::string& path, FieldRows& rows) {
    if (!IsGeoTiffName(path)) return {false, path + ": " + kElevationReadOnly, path, 0};
    int64_t zeroFilled = 0;
    InterchangeError error = WriteGeoTiff(path, rows, heightSource(), zeroFilled);
    if (!error.empty()) return {false, path + ": " + error, path, zeroFilled};
    name_ = path;
    return {true, "", path, zeroFilled};
}
