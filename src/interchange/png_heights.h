#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "core/input_file.h"
#include "interchange/height_samples.h"
#include "interchange/png_bands.h"

// A greyscale PNG of 8 or 16 bits, not interlaced, being read: its header when opened,
// its rows as they are asked for. Colour, alpha, palette and interlaced images, other
// depths and sizes beyond a field are refused by the header.
class PngReader {
public:
    explicit PngReader(const char* path);
    ~PngReader();
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    // Why the file cannot be read: its header refused, or a row found damaged. Empty
    // while it can.
    const InterchangeError& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool wide() const { return wide_; }

    // The next row's samples; false, with error() saying why, when the file ends or is
    // damaged before the row is whole.
    bool NextRow(uint16_t* samples);

private:
    struct Decoder;

    InputFile file_;
    std::unique_ptr<Decoder> decoder_;
    // Set when the image data is in bands, read side by side past libpng.
    std::unique_ptr<PngBandReader> bands_;
    InterchangeError error_;
    int width_ = 0;
    int height_ = 0;
    bool wide_ = false;
};

// Reads a PNG whole.
InterchangeError ReadPngHeights(const char* path, SampleRows& samples);

// Writes the samples as a greyscale PNG of their bit depth, row by row as they are asked
// for, replacing path only when complete.
InterchangeError WritePngHeights(const char* path, FieldSamples& samples);

// Writes an 8-bit grey and alpha PNG; fillRow(y, bytes) supplies row y's 2 * width bytes.
InterchangeError WriteGreyAlphaPng(const char* path, int width, int height,
                                   const std::function<void(int y, uint8_t* bytes)>& fillRow);
