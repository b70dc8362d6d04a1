#pragma once

#include <cstdint>
#include <functional>

#include "interchange/height_samples.h"

// Reads a greyscale PNG of 8 or 16 bits, not interlaced, into samples. Colour, alpha,
// palette and interlaced images, other depths and sizes beyond a field are refused.
InterchangeError ReadPngHeights(const char* path, SampleRows& samples);

// Writes the samples as a greyscale PNG of their bit depth, replacing path only when
// complete.
InterchangeError WritePngHeights(const char* path, FieldSamples& samples);

// Writes an 8-bit grey and alpha PNG; fillRow(y, bytes) supplies row y's 2 * width bytes.
InterchangeError WriteGreyAlphaPng(const char* path, int width, int height,
                                   const std::function<void(int y, uint8_t* bytes)>& fillRow);
