#pragma once

#include "files/write_sink.h"
#include "framework/draw/raster.h"

// Writes a raster as an 8-bit RGB PNG, replacing path only when complete; false (and
// the old file untouched) on failure or for an empty raster.
bool WritePng(const Raster& raster, const char* path, WriteSink& sink = SystemWrites());

// Writes the PNG to standard output; false on a write error.
bool WritePngToStandardOutput(const Raster& raster, WriteSink& sink = SystemWrites());
