#pragma once

#include <string>

#include "interchange/height_samples.h"

// The interchange formats, chosen by the name's extension (any case).
enum class HeightFormat { kUnknown, kPng, kPgm, kRaw };

HeightFormat HeightFormatOf(const std::string& path);

// Reads a file of a known format; rawWidth and rawHeight give a RAW file's size, 0 for a
// square one.
InterchangeError ReadHeights(const std::string& path, HeightFormat format, int rawWidth, int rawHeight,
                             SampleRows& samples);

// Writes the samples; RAW holds 16-bit samples only.
InterchangeError WriteHeights(const std::string& path, HeightFormat format, FieldSamples& samples);
