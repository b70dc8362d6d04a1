#pragma once

#include "core/tarn_memory_dc.h"

// Writes the image as an 8-bit RGB PNG, replacing path only when complete.
bool WritePng(const TarnMemoryDC& image, const char* path);
