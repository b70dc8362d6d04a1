#pragma once

#include <cstddef>

#include "core/field_file.h"
#include "core/field_rows.h"
#include "core/height_field.h"
#include "files/write_sink.h"

// Reads a raw "P6" pixmap with maximum value 255 into the field, red the high byte of
// each value and green the low byte. Returns a kLoad code. The kind flag is the
// caller's to set.
// A size that memory cannot hold gives kLoadNoMemory with the size in *fileSize.
int LoadPpm(HeightField& field, const char* path, FileSize* fileSize = nullptr);

// Writes the working image as a 16-bit field. The extension in path (a buffer of
// capacity bytes) is first rewritten to ".ppm"; the caller keeps the rewritten name.
// Returns kSaveDone, or kSaveFailed when the file could not be written completely (the
// file that was there is then left as it was).
int SavePpm(HeightField& field, char* path, size_t capacity, WriteSink& sink = SystemWrites());
// The same for the rows given instead of the working image.
int SavePpmRows(FieldRows& rows, char* path, size_t capacity, WriteSink& sink = SystemWrites());
