#pragma once

#include "interchange/height_samples.h"

// Reads headerless 16-bit little-endian samples. Without a size (width 0) the file must
// hold a square; with one its length must match it exactly.
InterchangeError ReadRawHeights(const char* path, int width, int height, SampleRows& samples);

// Writes 16-bit samples as they are, little-endian, without a header.
InterchangeError WriteRawHeights(const char* path, FieldSamples& samples);
