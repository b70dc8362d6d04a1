#include "interchange/pgm_heights.h"

#include <cstdio>
#include <string>

#include "core/input_file.h"
#include "core/row_reader.h"
#include "core/vector_clones.h"
#include "files/replacing_file.h"

namespace {

constexpr int64_t kLargestMaxValue = 65535;

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// Blanks and "#" comments, which run to the end of their line, may come before a number.
int SkipBlanksAndComments(InputFile& file) {
    int c = file.Get();
    while (IsBlank(c) || c == '#') {
        if (c == '#') {
            while (c != '\n' && c != '\r' && c != EOF) c = file.Get();
        }
        c = file.Get();
    }
    return c;
}

// A decimal number ended by exactly one blank, which is consumed; larger than any
// field's side or maximum is refused rather than wrapped.
bool ReadNumber(InputFile& file, int64_t& number) {
    int c = SkipBlanksAndComments(file);
    if (!IsDigit(c)) return false;
    number = 0;
    for (; IsDigit(c); c = file.Get()) {
        number = number * 10 + (c - '0');
        if (number > INT32_MAX) return false;
    }
    return IsBlank(c);
}

struct PgmHeader {
    int64_t width = 0;
    int64_t height = 0;
    int64_t maxValue = 0;
};

InterchangeError ReadHeader(InputFile& file, PgmHeader& header) {
    int first = file.Get();
    int second = file.Get();
    if (first != 'P' || second < '1' || second > '7') return "not a PGM file";
    if (second != '5') return std::string("P") + char(second) + " file; only binary P5 greymaps can be imported";
    if (!ReadNumber(file, header.width) || !ReadNumber(file, header.height) ||
        !ReadNumber(file, header.maxValue)) {
        return "the PGM header is damaged";
    }
    if (header.maxValue < 1 || header.maxValue > kLargestMaxValue) {
        return "PGM maximum value " + std::to_string(header.maxValue) + " is not from 1 to 65535";
    }
    if (!HeightField::AcceptableSize(header.width, header.height)) {
        return "PGM of " + std::to_string(header.width) + " x " + std::to_string(header.height) +
               " is outside a field's bounds (1 to 65535 a side, at most 8192 x 8192 positions)";
    }
    return {};
}

// Returns how many samples exceed the maximum value. A plain loop over locals, so that
// it vectorises.
KNOLL_CLONES("avx2", "default")
int CountBeyond(const uint16_t* samples, int width, int maxValue) {
    int beyond = 0;
    for (int x = 0; x < width; ++x) beyond += samples[x] > maxValue;
    return beyond;
}

}  // namespace

PgmReader::PgmReader(const char* path) : file_(path) {
    if (!file_.IsOpen()) {
        error_ = "cannot open the file";
        return;
    }
    PgmHeader header;
    error_ = ReadHeader(file_, header);
    if (!error_.empty()) return;
    width_ = int(header.width);
    height_ = int(header.height);
    maxValue_ = int(header.maxValue);
    rowBytes_ = size_t(width_) * (wide() ? 2 : 1);
    rows_.emplace(file_, height_, rowBytes_);
}

bool PgmReader::ReadsAsAsked() {
    const bool fullRange = maxValue_ == (wide() ? 65535 : 255);
    return error_.empty() && fullRange && file_.BytesLeft() >= uintmax_t(height_) * rowBytes_;
}

bool PgmReader::NextRow(uint16_t* samples) {
    const uint8_t* bytes = rows_->Next();
    if (!bytes) {
        error_ = "the file ends early";
        return false;
    }
    DecodeSampleBytes(bytes, width_, wide(), samples);
    beyond_ += CountBeyond(samples, width_, maxValue_);
    return true;
}

InterchangeError PgmReader::RowsError() const {
    if (!error_.empty()) return error_;
    if (beyond_ > 0) return std::to_string(beyond_) + " samples exceed the PGM maximum value";
    return {};
}

InterchangeError ReadPgmHeights(const char* path, SampleRows& samples) {
    PgmReader reader(path);
    if (!reader.error().empty()) return reader.error();
    const int height = reader.height();
    if (!samples.Start(reader.width(), height, reader.wide() ? 16 : 8)) return "not enough memory";
    int y = 0;
    for (; y < height && reader.NextRow(samples.Row(y)); ++y) samples.Store(y);
    return reader.RowsError();
}

InterchangeError WritePgmHeights(const char* path, FieldSamples& samples) {
    ReplacingFile file(path);
    const bool wide = samples.bits == 16;
    char header[64];
    int length = std::snprintf(header, sizeof header, "P5\n%d %d\n%d\n", samples.width, samples.height,
                               wide ? 65535 : 255);
    file.Write(header, size_t(length));
    const size_t rowBytes = size_t(samples.width) * (wide ? 2 : 1);
    for (int y = 0; y < samples.height && file.ok(); ++y) {
        const uint16_t* in = samples.Row(y);
        EncodeSampleBytes(in, samples.width, wide, file.Reserve(rowBytes));
    }
    if (!samples.Complete() || !file.Commit()) return std::string("cannot write ") + path;
    return {};
}
