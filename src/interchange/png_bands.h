#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/input_file.h"
#include "core/slot_threads.h"

class ReplacingFile;

// A PNG's image data cut into bands of rows, each filtered and compressed apart, so that
// threads make and read them side by side. Each band is one IDAT chunk of non-final
// deflate blocks ended by a full flush, whose first row refers to no row before it; the
// zlib header has an IDAT of its own before them, and the closing block with the
// checksum one after. The private chunk kPngBandChunk, before the image data, gives the
// rows per band; it is not safe to copy, so editors drop it with the layout it tells of,
// and other readers see one ordinary zlib stream.
constexpr char kPngBandChunk[] = "kwBD";
// What ends the last band's stream: a final block with fixed codes and nothing but its end.
constexpr uint8_t kPngFinalBlock[] = {0x03, 0x00};

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

// About half a MiB of rows: few chunks and blocks, little memory for each thread.
int PngBandRows(size_t rowBytes);

// Bands made or read at once: one for each core, at most four, so that a file of any size
// takes a few MiB.
int PngBandsAtOnce();

// Writes the PNG to file; fillRow(y, bytes) supplies row y's rowBytes bytes, in order, on
// the caller's thread. The file reports its own failures.
void WriteBandedPng(ReplacingFile& file, const PngImageLayout& layout,
                    const std::function<void(int y, uint8_t* bytes)>& fillRow);

// The image data of a PNG written in bands, each band inflated and unfiltered on a
// thread of its own while the rows before it are handed on.
class PngBandReader {
public:
    // Reads the file at path up to its image data; null when that does not start as
    // bands do, for the caller to read it as any PNG. The layout is the header's.
    static std::unique_ptr<PngBandReader> Open(const char* path, const PngImageLayout& layout, int bandRows);
    ~PngBandReader();
    PngBandReader(const PngBandReader&) = delete;
    PngBandReader& operator=(const PngBandReader&) = delete;

    // The next row's rowBytes bytes, unfiltered, valid until the next call; null, with
    // error() saying why, when the file ends or is damaged before the row is whole.
    const uint8_t* NextRow();
    const std::string& error() const { return error_; }

private:
    struct Band;

    PngBandReader(const char* path, const PngImageLayout& layout, int bandRows);
    bool ReachImageData();
    bool NextBand();
    bool StartBand();
    bool ReadChunk(const char* type, size_t limit, std::vector<uint8_t>& data);
    bool JoinBand(Band& band);
    bool ReadChecksum();

    InputFile file_;
    const PngImageLayout layout_;
    const int bandRows_;
    const std::vector<uint8_t> zeros_;
    std::vector<Band> bands_;
    int bandsStarted_ = 0;
    int rowsStarted_ = 0;
    int band_ = -1;
    int rowInBand_ = 0;
    uint32_t adler_ = 1;
    uint32_t checksum_ = 0;
    // The last row of the band before, for a band whose first row refers to it.
    std::vector<uint8_t> above_;
    std::string error_;
    // Last, so that its threads end before what they work on goes.
    SlotThreads threads_{PngBandsAtOnce()};
};
