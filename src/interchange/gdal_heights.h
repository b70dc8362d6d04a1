#pragma once

#include <cstdint>
#include <functional>
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

// Reads the first band; positions holding the band's no-data value, or not a number,
// become positions without a value.
ElevationRead ReadElevation(const std::string& path, const ElevationOptions& options, SampleRows& samples);

// Writes the rows as a GeoTIFF. With a source, the values go back through its mapping
// into its type (32-bit floats for a float source), with its units, no-data value,
// georeferencing and compression; without one, the field's own values as 8 or 16-bit
// integers. Positions without a value take the no-data value, or without one the
// height of 0, counted in zeroFilled.
InterchangeError WriteGeoTiff(const std::string& path, FieldRows& rows, const HeightSource* source,
                              int64_t& zeroFilled);
