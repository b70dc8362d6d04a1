#pragma once

#include "interchange/height_samples.h"

// Reads a binary "P5" greymap. A maximum value up to 255 gives 8-bit samples, up to
// 65535 16-bit ones; samples are taken as they are, not rescaled to the maximum.
InterchangeError ReadPgmHeights(const char* path, SampleRows& samples);

// Writes the samples as P5 with maximum 255 or 65535 by their bit depth.
InterchangeError WritePgmHeights(const char* path, FieldSamples& samples);
