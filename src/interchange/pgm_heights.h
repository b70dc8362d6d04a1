#pragma once

#include <optional>

#include "core/input_file.h"
#include "core/row_reader.h"
#include "interchange/height_samples.h"

// A binary "P5" greymap being read: its header when opened, its rows as they are asked
// for. A maximum value up to 255 gives 8-bit samples, up to 65535 16-bit ones.
class PgmReader {
public:
    explicit PgmReader(const char* path);
    PgmReader(const PgmReader&) = delete;
    PgmReader& operator=(const PgmReader&) = delete;

    // Why the file cannot be read: its header refused, or the file ended before a row
    // was whole. Empty while it can.
    const InterchangeError& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool wide() const { return maxValue_ > 255; }

    // Whether the rows can be taken as they are asked for, with nothing left that could
    // refuse the file after its last row: the maximum is the top of the depth, so no
    // sample exceeds it, and the file is long enough for every row.
    bool ReadsAsAsked();
    // The next row's samples; false, with error() saying why, when the file holds no
    // complete row more.
    bool NextRow(uint16_t* samples);
    // Why the file is refused once its rows were read, empty when it is not.
    InterchangeError RowsError() const;

private:
    InputFile file_;
    InterchangeError error_;
    int width_ = 0;
    int height_ = 0;
    int maxValue_ = 0;
    size_t rowBytes_ = 0;
    std::optional<BlockRows> rows_;
    int64_t beyond_ = 0;
};

// Reads a binary "P5" greymap whole; samples are taken as they are, not rescaled to the
// maximum.
InterchangeError ReadPgmHeights(const char* path, SampleRows& samples);

// Writes the samples as P5 with maximum 255 or 65535 by their bit depth.
InterchangeError WritePgmHeights(const char* path, FieldSamples& samples);
