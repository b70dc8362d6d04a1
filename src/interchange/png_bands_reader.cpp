#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "interchange/png_bands.h"

namespace {

constexpr size_t kSignatureBytes = 8;
constexpr uint8_t kLastFilter = 4;

uint32_t GetBigEndian(const uint8_t* bytes) {
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
}

uint8_t Paeth(uint8_t left, uint8_t up, uint8_t upLeft) {
    const int toLeft = std::abs(int(up) - upLeft);
    const int toUp = std::abs(int(left) - upLeft);
    const int toUpLeft = std::abs(int(left) + up - 2 * upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Undoes the filter named by the row's first byte, in place after it; up is the row
// above, unfiltered. The bytes to the left of each are kept at hand: reading them back
// from the row just written would wait on every store. False for a filter PNG does not
// have.
template <size_t kPixelBytes>
bool Unfilter(uint8_t* row, const uint8_t* up, size_t rowBytes) {
    uint8_t* bytes = row + 1;
    std::array<uint8_t, kPixelBytes> left{};
    std::array<uint8_t, kPixelBytes> upLeft{};
    const uint8_t filter = row[0];
    if (filter > kLastFilter) return false;
    if (filter == 2) {
        for (size_t i = 0; i < rowBytes; ++i) bytes[i] = uint8_t(bytes[i] + up[i]);
        return true;
    }
    for (size_t i = 0; filter != 0 && i < rowBytes; i += kPixelBytes) {
        for (size_t k = 0; k < kPixelBytes; ++k) {
            if (filter == 1) {
                left[k] = uint8_t(bytes[i + k] + left[k]);
            } else if (filter == 3) {
                left[k] = uint8_t(bytes[i + k] + ((left[k] + up[i + k]) >> 1));
            } else {
                left[k] = uint8_t(bytes[i + k] + Paeth(left[k], up[i + k], upLeft[k]));
                upLeft[k] = up[i + k];
            }
            bytes[i + k] = left[k];
        }
    }
    return true;
}

// Rows of grey hold a pixel in one byte or two.
bool Unfilter(uint8_t* row, const uint8_t* up, size_t rowBytes, size_t pixelBytes) {
    return pixelBytes == 2 ? Unfilter<2>(row, up, rowBytes) : Unfilter<1>(row, up, rowBytes);
}

bool IsZlibHeader(const std::vector<uint8_t>& data) {
    return data.size() == 2 && (data[0] & 0x0F) == Z_DEFLATED && (data[0] >> 4) <= 7 && !(data[1] & 0x20) &&
           (data[0] * 256 + data[1]) % 31 == 0;
}

}  // namespace

// One band's chunk as read, then its rows, each after its filter byte.
struct PngBandReader::Band {
    int rows = 0;
    std::vector<uint8_t> chunk;
    std::vector<uint8_t> bytes;
    uint32_t adler = 1;
    bool unfiltered = false;
    const char* failure = nullptr;
    std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)> inflater{
        libdeflate_alloc_decompressor(), libdeflate_free_decompressor};

    uint8_t* Row(int y, size_t rowBytes) { return bytes.data() + size_t(y) * (rowBytes + 1); }

    // Checks, inflates and, when its first row needs no row above, unfilters the band.
    void Decode(size_t rowBytes, size_t pixelBytes, const std::vector<uint8_t>& zeros) {
        unfiltered = false;
        failure = nullptr;
        if (!inflater) {
            failure = "not enough memory";
            return;
        }
        const size_t dataBytes = chunk.size() - 4 - sizeof kPngFinalBlock;
        if (libdeflate_crc32(libdeflate_crc32(0, "IDAT", 4), chunk.data(), dataBytes) !=
            GetBigEndian(chunk.data() + dataBytes)) {
            failure = "IDAT: CRC error";
            return;
        }
        // The band's stream is closed by a final block after its flush, in place of the CRC.
        std::copy(std::begin(kPngFinalBlock), std::end(kPngFinalBlock), chunk.data() + dataBytes);
        chunk.resize(dataBytes + sizeof kPngFinalBlock);
        bytes.resize(size_t(rows) * (rowBytes + 1));
        size_t used = 0;
        if (libdeflate_deflate_decompress_ex(inflater.get(), chunk.data(), chunk.size(), bytes.data(), bytes.size(), &used,
                                             nullptr) != LIBDEFLATE_SUCCESS ||
            used != chunk.size()) {
            failure = "damaged image data";
            return;
        }
        adler = libdeflate_adler32(1, bytes.data(), bytes.size());
        if (bytes[0] > 1) return;  // the row above is in the band before
        for (int y = 0; y < rows; ++y) {
            if (!Unfilter(Row(y, rowBytes), y ? Row(y - 1, rowBytes) + 1 : zeros.data(), rowBytes, pixelBytes)) {
                failure = "damaged image data";
                return;
            }
        }
        unfiltered = true;
    }
};

std::unique_ptr<PngBandReader> PngBandReader::Open(const char* path, const PngImageLayout& layout, int bandRows) {
    if (bandRows < 1) return nullptr;
    std::unique_ptr<PngBandReader> reader(new PngBandReader(path, layout, bandRows));
    if (!reader->ReachImageData()) return nullptr;
    return reader;
}

PngBandReader::PngBandReader(const char* path, const PngImageLayout& layout, int bandRows)
    : file_(path),
      layout_(layout),
      bandRows_(bandRows),
      zeros_(layout.rowBytes),
      above_(layout.rowBytes) {
    bands_.resize(size_t(threads_.slots()));
}

PngBandReader::~PngBandReader() = default;

// Past the chunks before the image data, and the zlib header's own IDAT.
bool PngBandReader::ReachImageData() {
    if (!file_.IsOpen() || !file_.Skip(kSignatureBytes)) return false;
    for (;;) {
        uint8_t header[8];
        if (file_.Read(header, sizeof header) != sizeof header) return false;
        if (std::memcmp(header + 4, "IDAT", 4) == 0) {
            std::vector<uint8_t> data(GetBigEndian(header) == 2 ? 2 + 4 : 0);
            if (data.empty() || file_.Read(data.data(), data.size()) != data.size()) return false;
            const bool crcMatches = crc32(crc32(0, header + 4, 4), data.data(), 2) == GetBigEndian(data.data() + 2);
            data.resize(2);
            return crcMatches && IsZlibHeader(data);
        }
        if (!file_.Skip(uintmax_t(GetBigEndian(header)) + 4)) return false;
    }
}

const uint8_t* PngBandReader::NextRow() {
    if (!error_.empty()) return nullptr;
    if ((band_ < 0 || rowInBand_ == bands_[size_t(band_) % bands_.size()].rows) && !NextBand()) return nullptr;
    return bands_[size_t(band_) % bands_.size()].Row(rowInBand_++, layout_.rowBytes) + 1;
}

// Moves on to the next band, starting the one that takes the slot of the band left.
bool PngBandReader::NextBand() {
    if (band_ < 0) {
        for (size_t slot = 0; slot < bands_.size(); ++slot) {
            if (!StartBand()) return false;
        }
    } else {
        Band& left = bands_[size_t(band_) % bands_.size()];
        const uint8_t* last = left.Row(left.rows - 1, layout_.rowBytes) + 1;
        std::copy(last, last + layout_.rowBytes, above_.begin());
        if (!StartBand()) return false;
    }
    if (++band_ == bandsStarted_) {
        error_ = "the image data ends early";
        return false;
    }
    rowInBand_ = 0;
    return JoinBand(bands_[size_t(band_) % bands_.size()]);
}

// Reads the next band's chunk and has a thread decode it; nothing once all are started.
bool PngBandReader::StartBand() {
    if (rowsStarted_ == layout_.height) return true;
    const int slot = int(size_t(bandsStarted_) % bands_.size());
    threads_.Wait(slot);
    Band& band = bands_[size_t(slot)];
    band.rows = std::min(bandRows_, layout_.height - rowsStarted_);
    // A Huffman code never takes more than two bytes a byte, nor a stored block much
    // more than one; larger is damage, not worth the memory.
    const size_t limit = 2 * size_t(band.rows) * (layout_.rowBytes + 1) + (1 << 16);
    if (!ReadChunk("IDAT", limit, band.chunk)) return false;
    band.chunk.resize(band.chunk.size() + sizeof kPngFinalBlock);
    threads_.Start(slot, [this, &band] { band.Decode(layout_.rowBytes, size_t(layout_.pixelBytes), zeros_); });
    ++bandsStarted_;
    rowsStarted_ += band.rows;
    return rowsStarted_ < layout_.height || ReadChecksum();
}

// A chunk of the type expected: its data followed by its CRC.
bool PngBandReader::ReadChunk(const char* type, size_t limit, std::vector<uint8_t>& data) {
    uint8_t header[8];
    if (file_.Read(header, sizeof header) != sizeof header) {
        error_ = "the file ends early";
        return false;
    }
    if (std::memcmp(header + 4, type, 4) != 0 || GetBigEndian(header) > limit) {
        error_ = "damaged image data";
        return false;
    }
    data.resize(size_t(GetBigEndian(header)) + 4);
    if (file_.Read(data.data(), data.size()) != data.size()) {
        error_ = "the file ends early";
        return false;
    }
    return true;
}

// Waits for the band, unfilters it when its first row refers to the band before, and
// adds it to the checksum, checked once the last band is in.
bool PngBandReader::JoinBand(Band& band) {
    threads_.Wait(int(size_t(band_) % bands_.size()));
    if (band.failure) {
        error_ = band.failure;
        return false;
    }
    for (int y = 0; !band.unfiltered && y < band.rows; ++y) {
        uint8_t* row = band.Row(y, layout_.rowBytes);
        if (!Unfilter(row, y ? row - layout_.rowBytes : above_.data(), layout_.rowBytes, size_t(layout_.pixelBytes))) {
            error_ = "damaged image data";
            return false;
        }
    }
    adler_ = uint32_t(adler32_combine(adler_, band.adler, z_off_t(band.bytes.size())));
    if (band_ + 1 == bandsStarted_ && rowsStarted_ == layout_.height && adler_ != checksum_) {
        error_ = "incorrect data check";
        return false;
    }
    return true;
}

// The last IDAT: the final block and the checksum of all the rows.
bool PngBandReader::ReadChecksum() {
    std::vector<uint8_t> end;
    if (!ReadChunk("IDAT", 6, end)) return false;
    if (end.size() != 6 + 4 || !std::equal(std::begin(kPngFinalBlock), std::end(kPngFinalBlock), end.begin())) {
        error_ = "damaged image data";
        return false;
    }
    checksum_ = GetBigEndian(end.data() + 2);
    return true;
}
