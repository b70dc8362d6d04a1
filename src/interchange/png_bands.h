#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

class ReplacingFile;

// A PNG's image data cut into bands of rows, each filtered and compressed apart, so that
// threads make and read them side by side. Each band is one IDAT chunk of non-final
// deflate blocks ended by a full flush, whose first row refers to no row before it; the
// zlib header has an IDAT of its own before them, and the closing block with the
// checksum one after. The private chunk kPngBandChunk, before the image data, gives the
// rows per band; it is not safe to copy, so editors drop it with the layout it tells of,
// and other readers see one ordinary zlib stream.
constexpr char kPngBandChunk[] = "kwBD";

// What sort of image is written.
struct PngImageLayout {
    int width = 0;
    int height = 0;
    int bitDepth = 8;
    int colorType = 0;
    // Bytes in a row and in a pixel, the distance filters look back.
    size_t rowBytes = 0;
    int pixelBytes = 1;
};

// About a MiB of rows: few chunks and blocks, little memory for each thread.
int PngBandRows(size_t rowBytes);

// Writes the PNG to file; fillRow(y, bytes) supplies row y's rowBytes bytes, in order, on
// the caller's thread. The file reports its own failures.
void WriteBandedPng(ReplacingFile& file, const PngImageLayout& layout,
                    const std::function<void(int y, uint8_t* bytes)>& fillRow);
