#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <thread>
#include <vector>

#include "core/slot_threads.h"
#include "files/replacing_file.h"
#include "interchange/huffman_deflate.h"
#include "interchange/png_bands.h"

namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Deflate with a 32 KiB window, fastest compression, no preset dictionary.
constexpr std::array<uint8_t, 2> kZlibHeader = {0x78, 0x01};
constexpr uint8_t kSubFilter = 1;
constexpr uint8_t kUpFilter = 2;

void PutBigEndian(uint32_t value, uint8_t* bytes) {
    for (int i = 0; i < 4; ++i) bytes[i] = uint8_t(value >> (24 - 8 * i));
}

// Puts a chunk's length and type before its data and its CRC after; returns its size.
size_t FrameChunk(const char* type, uint8_t* chunk, size_t dataBytes) {
    PutBigEndian(uint32_t(dataBytes), chunk);
    std::copy(type, type + 4, chunk + 4);
    PutBigEndian(libdeflate_crc32(0, chunk + 4, dataBytes + 4), chunk + 8 + dataBytes);
    return dataBytes + 12;
}

void WriteChunk(ReplacingFile& file, const char* type, const uint8_t* data, size_t size) {
    std::vector<uint8_t> chunk(size + 12);
    std::copy(data, data + size, chunk.begin() + 8);
    file.Write(chunk.data(), FrameChunk(type, chunk.data(), size));
}

// One band's rows as given, filtered, and as the IDAT chunk that holds them.
struct Band {
    int rows = 0;
    std::vector<uint8_t> raw;
    std::vector<uint8_t> filtered;
    // Only grown, so that the room for the next band's chunk is not cleared each time.
    std::vector<uint8_t> chunk;
    size_t chunkBytes = 0;
    uint32_t adler = 1;
};

// The Sub filter on the band's first row, so that it needs no row before it; the Up
// filter on the others. On 16-bit terrain the Average filter codes a per cent smaller,
// but undoing it waits on each byte to the left, which makes reading a tenth slower.
void FilterBand(Band& band, size_t rowBytes, int pixelBytes) {
    band.filtered.resize(size_t(band.rows) * (rowBytes + 1));
    const size_t left = std::min(size_t(pixelBytes), rowBytes);
    for (int y = 0; y < band.rows; ++y) {
        const uint8_t* row = band.raw.data() + size_t(y) * rowBytes;
        uint8_t* out = band.filtered.data() + size_t(y) * (rowBytes + 1);
        if (y == 0) {
            out[0] = kSubFilter;
            std::copy(row, row + left, out + 1);
            for (size_t i = left; i < rowBytes; ++i) out[i + 1] = uint8_t(row[i] - row[i - pixelBytes]);
            continue;
        }
        const uint8_t* up = row - rowBytes;
        out[0] = kUpFilter;
        for (size_t i = 0; i < rowBytes; ++i) out[i + 1] = uint8_t(row[i] - up[i]);
    }
}

void CompressBand(Band& band, size_t rowBytes, int pixelBytes) {
    FilterBand(band, rowBytes, pixelBytes);
    band.adler = libdeflate_adler32(1, band.filtered.data(), band.filtered.size());
    const size_t room = 12 + HuffmanBlocksBound(band.filtered.size());
    if (band.chunk.size() < room) band.chunk.resize(room);
    uint8_t* data = band.chunk.data() + 8;
    const uint8_t* end = WriteHuffmanBlocks(band.filtered.data(), band.filtered.size(), data);
    band.chunkBytes = FrameChunk("IDAT", band.chunk.data(), size_t(end - data));
}

std::array<uint8_t, 13> Header(const PngImageLayout& layout) {
    std::array<uint8_t, 13> header{};
    PutBigEndian(uint32_t(layout.width), header.data());
    PutBigEndian(uint32_t(layout.height), header.data() + 4);
    header[8] = uint8_t(layout.bitDepth);
    header[9] = uint8_t(layout.colorType);
    return header;  // deflate, adaptive filters, not interlaced: all zero
}

}  // namespace

int PngBandRows(size_t rowBytes) { return int(std::clamp<size_t>((1 << 19) / (rowBytes + 1), 1, 1 << 16)); }

int PngBandsAtOnce() { return int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u)); }

void WriteBandedPng(ReplacingFile& file, const PngImageLayout& layout,
                    const std::function<void(int y, uint8_t* bytes)>& fillRow) {
    const int bandRows = PngBandRows(layout.rowBytes);
    file.Write(kSignature.data(), kSignature.size());
    const std::array<uint8_t, 13> header = Header(layout);
    WriteChunk(file, "IHDR", header.data(), header.size());
    std::array<uint8_t, 4> rows{};
    PutBigEndian(uint32_t(bandRows), rows.data());
    WriteChunk(file, kPngBandChunk, rows.data(), rows.size());
    WriteChunk(file, "IDAT", kZlibHeader.data(), kZlibHeader.size());

    // A band is compressed on a thread of its own while the next ones are gathered; the
    // bands, and so the file, are the same whatever the number at once.
    const int atOnce = PngBandsAtOnce();
    std::vector<Band> bands(static_cast<size_t>(atOnce));
    SlotThreads threads(atOnce);  // after the bands, so its threads end first
    uint32_t adler = 1;
    auto put = [&](int slot) {
        threads.Wait(slot);
        const Band& band = bands[size_t(slot)];
        file.Write(band.chunk.data(), band.chunkBytes);
        adler = uint32_t(adler32_combine(adler, band.adler, z_off_t(band.filtered.size())));
    };
    int made = 0;
    for (int y = 0; y < layout.height; ++made) {
        const int slot = made % threads.slots();
        if (made >= threads.slots()) put(slot);
        Band& band = bands[size_t(slot)];
        band.rows = std::min(bandRows, layout.height - y);
        band.raw.resize(size_t(band.rows) * layout.rowBytes);
        for (int r = 0; r < band.rows; ++r, ++y) fillRow(y, band.raw.data() + size_t(r) * layout.rowBytes);
        threads.Start(slot, [&band, &layout] { CompressBand(band, layout.rowBytes, layout.pixelBytes); });
    }
    for (int band = std::max(0, made - threads.slots()); band < made; ++band) put(band % threads.slots());
    std::array<uint8_t, 6> end{kPngFinalBlock[0], kPngFinalBlock[1]};
    PutBigEndian(adler, end.data() + 2);
    WriteChunk(file, "IDAT", end.data(), end.size());
    WriteChunk(file, "IEND", nullptr, 0);
}
