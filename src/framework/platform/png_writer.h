#pragma once

#include <string>

class Raster;

// Writes a raster as an 8-bit RGB PNG; false (and no file left behind) on failure.
bool vWritePng(const Raster& raster, const std::string& path);
