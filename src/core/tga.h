#pragma once

#include <cstddef>

#include "core/field_file.h"
#include "core/field_rows.h"
#include "core/height_field.h"
#include "files/write_sink.h"

// Reads an uncompressed colour-mapped TGA with one index byte per position into the
// field, painting each index with the field's palette. Returns a kLoad code. The kind
// flag is the caller's to set.
// A size that memory cannot hold gives kLoadNoMemory with the size in *fileSize.
int LoadTga(HeightField& field, const char* path, FileSize* fileSize = nullptr);

// Writes the working image as an 8-bit field. The extension in path (a buffer of
// capacity bytes) is first rewritten to ".tga"; the caller keeps the rewritten name.
// Returns kSaveDone, or kSaveFailed when the file could not be written completely (the
// file that was there is then left as it was).
int SaveTga(HeightField& field, char* path, size_t capacity, WriteSink& sink = SystemWrites());
// The same for the rows given instead of the working image.
int SaveTgaRows(FieldRows& rows, char* path, size_t capacity, WriteSink& sink = SystemWrites());
