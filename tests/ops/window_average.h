#pragma once

#include <cstdint>

#include "core/tarn_memory_dc.h"

// The smooth's window mean by brute force, the reference its fast forms are checked
// against: the mean of the (2r + 1)^2 samples clipped to the image, of the low 16 bits
// when wide, else of the blue byte; no value counts as its white sample.
uint32_t WindowAverage(const TarnMemoryDC& image, int x, int y, int r, bool wide);
