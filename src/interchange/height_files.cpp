#include "interchange/height_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "interchange/height_rows.h"
#include "interchange/pgm_heights.h"
#include "interchange/png_heights.h"
#include "interchange/raw_heights.h"

namespace {

std::string LowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

}  // namespace

HeightFormat HeightFormatOf(const std::string& path) {
    std::string extension = LowerExtension(path);
    if (extension == ".png") return HeightFormat::kPng;
    if (extension == ".pgm") return HeightFormat::kPgm;
    if (extension == ".r16" || extension == ".raw") return HeightFormat::kRaw;
    if (extension == ".tif" || extension == ".tiff" || extension == ".hgt" || extension == ".asc") {
        return HeightFormat::kElevation;
    }
    return HeightFormat::kUnknown;
}

bool IsGeoTiffName(const std::string& path) {
    std::string extension = LowerExtension(path);
    return extension == ".tif" || extension == ".tiff";
}

bool MayBeElevationName(const std::string& path) {
    std::string extension = LowerExtension(path);
    return !extension.empty() && extension != "." && extension != ".tga" && extension != ".ppm";
}

InterchangeError ReadHeights(const std::string& path, HeightFormat format, int rawWidth, int rawHeight,
                             SampleRows& samples) {
    switch (format) {
        case HeightFormat::kPng: return ReadPngHeights(path.c_str(), samples);
        case HeightFormat::kPgm: return ReadPgmHeights(path.c_str(), samples);
        case HeightFormat::kRaw: return ReadRawHeights(path.c_str(), rawWidth, rawHeight, samples);
        case HeightFormat::kUnknown:
        case HeightFormat::kElevation: break;
    }
    return "unknown format; use .png, .pgm, .r16, .raw or a raster that GDAL reads (.tif, .hgt, .asc, ...)";
}

InterchangeError WriteHeights(const std::string& path, HeightFormat format, FieldSamples& samples) {
    switch (format) {
        case HeightFormat::kPng: return WritePngHeights(path.c_str(), samples);
        case HeightFormat::kPgm: return WritePgmHeights(path.c_str(), samples);
        case HeightFormat::kRaw:
            if (samples.bits != 16) return "RAW files hold 16-bit fields only; convert with --to-ppm first";
            return WriteRawHeights(path.c_str(), samples);
        case HeightFormat::kUnknown:
        case HeightFormat::kElevation: break;
    }
    return "unknown format; use .png, .pgm, .r16, .raw or .tif";
}

namespace {

template <class Reader>
std::unique_ptr<FieldRows> RowsOf(HeightField& field, const std::string& path, std::unique_ptr<Reader> reader) {
    field.SetKind(reader->wide() ? kSixteenBitField : kEightBitField);
    return std::make_unique<HeightFileRows<Reader>>(field, path, std::move(reader));
}

}  // namespace

std::unique_ptr<FieldRows> HeightRowsAsAsked(HeightField& field, const std::string& path) {
    switch (HeightFormatOf(path)) {
        case HeightFormat::kPgm: {
            auto reader = std::make_unique<PgmReader>(path.c_str());
            if (reader->ReadsAsAsked()) return RowsOf(field, path, std::move(reader));
            break;
        }
        case HeightFormat::kPng: {
            auto reader = std::make_unique<PngReader>(path.c_str());
            if (reader->error().empty()) return RowsOf(field, path, std::move(reader));
            break;
        }
        default: break;
    }
    return nullptr;
}
