#pragma once

#include <memory>
#include <string>

#include "interchange/height_samples.h"

// The interchange formats, chosen by the name's extension (any case). Elevation rasters
// (GeoTIFF, SRTM, ASCII grids) are read and written through GDAL (gdal_heights.h), and
// of them only GeoTIFF is written.
enum class HeightFormat { kUnknown, kPng, kPgm, kRaw, kElevation };

HeightFormat HeightFormatOf(const std::string& path);
bool IsGeoTiffName(const std::string& path);
// Whether a name of no known format may still be one that GDAL reads: it has an
// extension, and not one of the field formats' in another case (MAP.TGA is refused).
bool MayBeElevationName(const std::string& path);

// Reads a PNG, PGM or RAW file; rawWidth and rawHeight give a RAW file's size, 0 for a
// square one.
InterchangeError ReadHeights(const std::string& path, HeightFormat format, int rawWidth, int rawHeight,
                             SampleRows& samples);

// Writes the samples; RAW holds 16-bit samples only.
InterchangeError WriteHeights(const std::string& path, HeightFormat format, FieldSamples& samples);

// The rows of a greymap or PNG read as they are asked for, for a write that takes them
// without making the field (see FileRows): a greymap that nothing after its header can
// refuse, or a PNG whose header was accepted (a row found damaged later fails the write,
// which keeps its target). The field takes the file's kind. Null for any other file,
// which is to be loaded whole.
std::unique_ptr<FieldRows> HeightRowsAsAsked(HeightField& field, const std::string& path);
