#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "interchange/height_source.h"

// Rasters read and written through GDAL, the one part of the program that calls it.
// The library is loaded the first time a file needs it, so runs that never touch such
// a file do not pay for loading it.

// What a raster file says of itself and of its first band.
struct RasterFacts {
    int width = 0;
    int height = 0;
    int bands = 0;
    std::optional<RasterType> type;  // none for complex values
    bool hasColourTable = false;     // a picture's indices rather than numbers
    std::optional<double> noData;
    std::string units;
    double bandScale = 1;
    double bandOffset = 0;
    Georeference georeference;
    std::string compression;  // as the file names it, e.g. "LZW"; empty when none
};

// A raster opened for reading; rows of its first band are read converted to the
// buffer's type.
class RasterReader {
public:
    // Null with the reason in error when the file cannot be read as a raster.
    static std::unique_ptr<RasterReader> Open(const std::string& path, std::string& error);
    // Whether GDAL takes the regular file at path for a raster of a format it reads, by
    // its first bytes, without opening it.
    static bool Recognises(const std::string& path);
    ~RasterReader();
    RasterReader(const RasterReader&) = delete;
    RasterReader& operator=(const RasterReader&) = delete;

    const RasterFacts& facts() const { return facts_; }
    // Rows y to y + count - 1 into values, row after row; false with the reason in error.
    bool Read(int y, int count, uint16_t* values, std::string& error);
    bool Read(int y, int count, float* values, std::string& error);
    bool Read(int y, int count, double* values, std::string& error);

private:
    struct Dataset;
    RasterReader(std::unique_ptr<Dataset> dataset, RasterFacts facts);
    std::unique_ptr<Dataset> dataset_;
    RasterFacts facts_;
};

// A GeoTIFF being written at path, one band of the facts' size, type, no-data value,
// units, band scale, georeferencing and compression.
class GeoTiffWriter {
public:
    static std::unique_ptr<GeoTiffWriter> Create(const std::string& path, const RasterFacts& facts, std::string& error);
    ~GeoTiffWriter();
    GeoTiffWriter(const GeoTiffWriter&) = delete;
    GeoTiffWriter& operator=(const GeoTiffWriter&) = delete;

    // Rows y to y + count - 1 from values, converted to the file's type.
    bool Write(int y, int count, const uint16_t* values, std::string& error);
    bool Write(int y, int count, const float* values, std::string& error);
    bool Write(int y, int count, const double* values, std::string& error);
    // Finishes the file; false with the reason in error when any write failed.
    bool Close(std::string& error);

private:
    struct Dataset;
    explicit GeoTiffWriter(std::unique_ptr<Dataset> dataset);
    std::unique_ptr<Dataset> dataset_;
};
