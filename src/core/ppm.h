#pragma once

#include <cstddef>
#include <optional>

#include "core/field_file.h"
#include "core/field_rows.h"
#include "core/height_field.h"
#include "core/input_file.h"
#include "core/row_reader.h"
#include "files/write_sink.h"

// A "P6" pixmap being read: its header when opened, its rows as they are asked for,
// each as LoadPpm stores it.
class PpmReader {
public:
    explicit PpmReader(const char* path);
    PpmReader(const PpmReader&) = delete;
    PpmReader& operator=(const PpmReader&) = delete;

    bool IsOpen() const { return file_.IsOpen(); }
    // Whether the header was read and accepted: maximum value 255, a size a field takes.
    bool accepted() const { return rows_.has_value(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // Whether the header was accepted and the file holds every row.
    bool ReadsAsAsked();
    // The next row; false when the file holds no complete row more.
    bool NextRow(uint32_t* pixels);

private:
    InputFile file_;
    int width_ = 0;
    int height_ = 0;
    std::optional<BlockRows> rows_;
};

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
