#pragma once

#include <vector>

#include "core/field_file.h"
#include "interchange/height_samples.h"

// Reads headerless 16-bit little-endian samples. Without a size (width 0) the file must
// hold a square; with one its length must match it exactly.
InterchangeError ReadRawHeights(const char* path, int width, int height, SampleRows& samples);

// Whether the file's length is even and holds no square field, so that reading it
// needs a size; the words that say how to give one belong to each front end.
bool RawNeedsSize(const char* path);

// The sizes a RAW file that is not square may be read as, narrowest first: every
// width x height its length holds within a field's bounds. None for a square file, an
// odd or empty one, or one that cannot be opened.
std::vector<FileSize> RawSizesOf(const char* path);

// Writes 16-bit samples as they are, little-endian, without a header.
InterchangeError WriteRawHeights(const char* path, FieldSamples& samples);
