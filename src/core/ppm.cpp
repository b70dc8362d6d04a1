#include "core/ppm.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "core/file_name.h"
#include "core/input_file.h"
#include "core/loaded_rows.h"
#include "files/replacing_file.h"
#include "core/row_reader.h"

namespace {

constexpr int kOnlyMaxValue = 255;
constexpr uint8_t kTrailingByte = 0xFF;

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

int SkipBlanks(InputFile& file) {
    int c = file.Get();
    while (IsBlank(c)) c = file.Get();
    return c;
}

// The first blank-delimited token must be exactly "P6".
bool ReadMagic(InputFile& file) {
    int c = SkipBlanks(file);
    if (c != 'P' || file.Get() != '6') return false;
    c = file.Get();
    if (c == EOF || IsBlank(c)) return true;
    return false;
}

// A decimal number after blanks, with an optional sign; the byte after its last digit
// stays unread. Numbers too large for any field are refused rather than wrapped.
bool ReadNumber(InputFile& file, int64_t& number) {
    int c = SkipBlanks(file);
    bool negative = c == '-';
    if (c == '-' || c == '+') c = file.Get();
    if (!IsDigit(c)) return false;
    number = 0;
    for (; IsDigit(c); c = file.Get()) {
        number = number * 10 + (c - '0');
        if (number > INT32_MAX) return false;
    }
    if (c != EOF) file.Unget(c);
    if (negative) number = -number;
    return true;
}

bool ReadHeader(InputFile& file, int64_t& width, int64_t& height) {
    int64_t maxValue = 0;
    return ReadMagic(file) && ReadNumber(file, width) && ReadNumber(file, height) &&
           ReadNumber(file, maxValue) && maxValue == kOnlyMaxValue;
}

// The byte that ends the header is read as the first pixel byte, so each colour is
// taken one byte late: green gets the file's red, red the file's green, and blue the
// previous pixel's blue. The value (red | green << 8) comes out right all the same.
void DecodeSamples(const uint8_t* bytes, int from, int width, uint32_t* pixels) {
    for (int x = from; x < width; ++x) {
        const uint8_t* sample = bytes + 3 * x;
        pixels[x] = sample[2] | sample[1] << 8 | uint32_t(sample[0]) << 16;
    }
}

// Each position as the high byte of its value, the low byte and a zero. One four-byte
// store per position, its fourth byte overwritten by the next; the last position stays
// inside the row. Byte stores may alias anything, so the bounds are kept in locals.
void EncodeSamples(const uint32_t* pixels, int from, int width, uint8_t* bytes) {
    bytes += 3 * from;
    for (int x = from; x + 1 < width; ++x, bytes += 3) {
        uint32_t sample = uint32_t(uint8_t(pixels[x] >> 8)) | uint32_t(uint8_t(pixels[x])) << 8;
        std::memcpy(bytes, &sample, sizeof sample);
    }
    bytes[0] = uint8_t(pixels[width - 1] >> 8);
    bytes[1] = uint8_t(pixels[width - 1]);
    bytes[2] = 0;
}

#if defined(__x86_64__) && defined(__GNUC__)
// Four positions per byte shuffle; the baseline instruction set has no such shuffle.
__attribute__((target("ssse3"))) void DecodeSamplesShuffled(const uint8_t* bytes, int width, uint32_t* pixels) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    int x = 0;
    // Each load takes 16 bytes, of which 12 are used; it must stay inside the row.
    for (; 3 * x + 16 <= 3 * width; x += 4) {
        __m128i twelve = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + x), _mm_shuffle_epi8(twelve, order));
    }
    DecodeSamples(bytes, x, width, pixels);
}

// The reverse: each 16-byte store holds four positions in its first 12 bytes, the rest
// overwritten by what follows; it must stay inside the row, so the last positions
// always go through EncodeSamples.
__attribute__((target("ssse3"))) void EncodeSamplesShuffled(const uint32_t* pixels, int width, uint8_t* bytes) {
    const __m128i order = _mm_setr_epi8(1, 0, -1, 5, 4, -1, 9, 8, -1, 13, 12, -1, -1, -1, -1, -1);
    int x = 0;
    for (; 3 * x + 16 <= 3 * width; x += 4) {
        __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes + 3 * x), _mm_shuffle_epi8(four, order));
    }
    EncodeSamples(pixels, x, width, bytes);
}

bool Shuffles() {
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    return shuffles;
}

void DecodeRow(const uint8_t* bytes, int width, uint32_t* pixels) {
    if (Shuffles()) {
        DecodeSamplesShuffled(bytes, width, pixels);
    } else {
        DecodeSamples(bytes, 0, width, pixels);
    }
}

void EncodeRow(const uint32_t* pixels, int width, uint8_t* bytes) {
    if (Shuffles()) {
        EncodeSamplesShuffled(pixels, width, bytes);
    } else {
        EncodeSamples(pixels, 0, width, bytes);
    }
}
#else
void DecodeRow(const uint8_t* bytes, int width, uint32_t* pixels) { DecodeSamples(bytes, 0, width, pixels); }
void EncodeRow(const uint32_t* pixels, int width, uint8_t* bytes) { EncodeSamples(pixels, 0, width, bytes); }
#endif


void WriteHeader(const FieldRows& rows, ReplacingFile& file) {
    char header[64];
    int length = std::snprintf(header, sizeof header, "P6\n%d %d\n%d\n", rows.width, rows.height, kOnlyMaxValue);
    file.Write(header, size_t(length));
}

void WritePixelRows(FieldRows& rows, ReplacingFile& file) {
    const int width = rows.width;
    for (int y = 0; y < rows.height && file.ok(); ++y) {
        const uint32_t* pixels = rows.Row(y);
        EncodeRow(pixels, width, file.Reserve(size_t(width) * 3));
    }
}

}  // namespace

PpmReader::PpmReader(const char* path) : file_(path) {
    int64_t width = 0;
    int64_t height = 0;
    if (!file_.IsOpen() || !ReadHeader(file_, width, height) || !HeightField::AcceptableSize(width, height)) return;
    width_ = int(width);
    height_ = int(height);
    rows_.emplace(file_, height_, size_t(width_) * 3);
}

bool PpmReader::ReadsAsAsked() { return accepted() && file_.BytesLeft() >= uintmax_t(height_) * size_t(width_) * 3; }

bool PpmReader::NextRow(uint32_t* pixels) {
    const uint8_t* bytes = rows_->Next();
    if (!bytes) return false;
    DecodeRow(bytes, width_, pixels);
    return true;
}

int LoadPpm(HeightField& field, const char* path, FileSize* fileSize) {
    PpmReader reader(path);
    if (!reader.IsOpen()) return kLoadCannotOpen;
    if (!reader.accepted()) return kLoadNotAccepted;
    const int width = reader.width();
    const int height = reader.height();
    if (!field.BeginLoad(width, height, kSixteenBitField)) {
        if (fileSize) *fileSize = {width, height};
        return kLoadNoMemory;
    }
    std::vector<uint32_t> row(static_cast<size_t>(width));
    LoadedRows rows(field, width, height);
    int y = 0;
    for (; y < height && reader.NextRow(row.data()); ++y) rows.Store(y, row.data());
    field.EndLoad(y);
    if (y < height) return kLoadDataEnded;
    field.painter().RefreshView();
    return kLoadDone;
}

int SavePpm(HeightField& field, char* path, size_t capacity, WriteSink& sink) {
    WorkingRows rows(field);
    return SavePpmRows(rows, path, capacity, sink);
}

int SavePpmRows(FieldRows& rows, char* path, size_t capacity, WriteSink& sink) {
    if (!RewriteExtension(path, capacity, ".ppm")) return kSaveFailed;
    ReplacingFile file(path, sink);
    WriteHeader(rows, file);
    WritePixelRows(rows, file);
    // Files written this way have always ended in one extra byte; readers of the
    // format ignore it.
    file.Put(kTrailingByte);
    return rows.Complete() && file.Commit() ? kSaveDone : kSaveFailed;
}
