#pragma once

#include <cstddef>

#include "core/field_file.h"
#include "core/height_field.h"

// Reads an uncompressed colour-mapped TGA with one index byte per position into the
// field, painting each index with the current palette. Returns a kLoad code. The kind
// flag is the caller's to set.
int LoadTga(HeightField& field, const char* path);

// Writes the working image as an 8-bit field. The extension in path (a buffer of
// capacity bytes) is first rewritten to ".tga"; the caller keeps the rewritten name.
// Returns kSaveDone, or kSaveFailed when the file could not be written completely (the
// file that was there is then left as it was).
int SaveTga(HeightField& field, char* path, size_t capacity);
