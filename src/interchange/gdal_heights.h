#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/field_rows.h"
#include "interchange/height_samples.h"
#include "interchange/height_source.h"

// Rasters of real heights (GeoTIFF, SRTM, ASCII grids and whatever else GDAL reads that
// is one band of numbers) to and from a field.

// Heights from low to high, in the raster's units.
struct HeightRange {
    double low = 0;
    double high = 0;
};

// How the values are mapped. A band of integers within 0 to 65535 is taken as it is;
// any other band is mapped linearly from a range of heights onto 0 to 65535: the range
// given, else the one askRange picks when offered the data's (none cancels the read),
// else the data's own.
struct ElevationOptions {
    std::optional<HeightRange> range;
    std::function<std::optional<HeightRange>(const HeightRange& data, const std::string& units)> askRange;
};

struct ElevationRead {
    InterchangeError error;  // empty when read
    bool opened = false;     // GDAL took the file for a raster
    bool cancelled = false;  // askRange picked none
    HeightSource source;
};

// A raster of heights ready to be stored: opened, checked and its mapping chosen (a band
// that is mapped has been read whole for it); its first band's rows are then handed out
// as stored values, top row first, each once. Positions holding the band's no-data
// value, or not a number, are gaps: positions without a value.
class ElevationReader {
public:
    // Null, with why in read (error, opened, cancelled), when the raster is not stored.
    static std::unique_ptr<ElevationReader> Open(const std::string& path, const ElevationOptions& options,
                                                 ElevationRead& read);
    virtual ~ElevationReader() = default;
    ElevationReader(const ElevationReader&) = delete;
    ElevationReader& operator=(const ElevationReader&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    int bits() const { return bits_; }  // 8 for bytes taken as they are, else 16
    // The next row's stored values and gap marks (1 for a gap); false with why in error.
    virtual bool NextRow(uint16_t* stored, uint8_t* gaps, std::string& error) = 0;

protected:
    ElevationReader(int width, int height, int bits) : width_(width), height_(height), bits_(bits) {}

private:
    int width_;
    int height_;
    int bits_;
};

// Whether a file of a name of no known format is a raster that GDAL reads.
bool IsElevationFile(const std::string& path);

// Every row of the reader into the samples.
InterchangeError StoreElevation(ElevationReader& reader, SampleRows& samples);

// Opens and stores at once.
ElevationRead ReadElevation(const std::string& path, const ElevationOptions& options, SampleRows& samples);

// Writes the rows as a GeoTIFF. With a source, the values go back through its mapping
// into its type (32-bit floats for a float source), with its units, no-data value,
// georeferencing and compression; without one, the field's own values as 8 or 16-bit
// integers. Positions without a value take the no-data value, or without one the
// height of 0, counted in zeroFilled.
InterchangeError WriteGeoTiff(const std::string& path, FieldRows& rows, const HeightSource* source,
                              int64_t& zeroFilled);
