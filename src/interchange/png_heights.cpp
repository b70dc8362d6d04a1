#include "interchange/png_heights.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "core/input_file.h"
#include "files/replacing_file.h"
#include "interchange/png_bands.h"

namespace {

// What libpng reported before it jumped back.
struct PngFailure {
    char message[200] = "";
};

void RecordError(png_structp png, png_const_charp message) {
    auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
    std::snprintf(failure->message, sizeof failure->message, "%s", message);
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

void ReadFromFile(png_structp png, png_bytep data, png_size_t length) {
    if (static_cast<InputFile*>(png_get_io_ptr(png))->Read(data, length) != length) {
        png_error(png, "the file ends early");
    }
}

struct PngHeader {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colorType = 0;
    int interlace = 0;
};

// libpng reports errors by longjmp; nothing with a destructor lives in these frames.
bool ReadHeader(png_structp png, png_infop info, PngHeader& header) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    png_get_IHDR(png, info, &header.width, &header.height, &header.bitDepth, &header.colorType,
                 &header.interlace, nullptr, nullptr);
    return true;
}

// Takes the rows per band when the file says its image data is in bands.
int NoteBands(png_structp png, png_unknown_chunkp chunk) {
    if (std::memcmp(chunk->name, kPngBandChunk, 4) != 0) return 0;
    if (chunk->size == 4) {
        const png_bytep rows = chunk->data;
        *static_cast<int*>(png_get_user_chunk_ptr(png)) =
            int(std::min<png_uint_32>(png_get_uint_32(rows), std::numeric_limits<int>::max()));
    }
    return 1;
}

bool ReadRow(png_structp png, png_bytep row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_row(png, row, nullptr);
    return true;
}

InterchangeError RefusalOf(const PngHeader& header) {
    if (header.colorType == PNG_COLOR_TYPE_PALETTE) return "palette PNG; only greyscale PNG can be imported";
    if (header.colorType & PNG_COLOR_MASK_ALPHA) return "PNG with alpha; only greyscale PNG can be imported";
    if (header.colorType != PNG_COLOR_TYPE_GRAY) return "colour PNG; only greyscale PNG can be imported";
    if (header.bitDepth != 8 && header.bitDepth != 16) {
        return std::to_string(header.bitDepth) + "-bit PNG; only 8 and 16 bits can be imported";
    }
    if (header.interlace != PNG_INTERLACE_NONE) return "interlaced PNG; only non-interlaced PNG can be imported";
    if (!HeightField::AcceptableSize(header.width, header.height)) {
        return "PNG of " + std::to_string(header.width) + " x " + std::to_string(header.height) +
               " is outside a field's bounds (1 to 65535 a side, at most 8192 x 8192 positions)";
    }
    return {};
}

}  // namespace

// libpng's state for one file, and the row it decodes into.
struct PngReader::Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngFailure failure;
    std::vector<png_byte> row;

    ~Decoder() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

PngReader::PngReader(const char* path) : file_(path) {
    if (!file_.IsOpen()) {
        error_ = "cannot open the file";
        return;
    }
    decoder_ = std::make_unique<Decoder>();
    Decoder& decoder = *decoder_;
    decoder.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    decoder.info = decoder.png ? png_create_info_struct(decoder.png) : nullptr;
    if (!decoder.info) {
        error_ = "not enough memory";
        return;
    }
    png_set_error_fn(decoder.png, &decoder.failure, RecordError, IgnoreWarning);
    png_set_read_fn(decoder.png, &file_, ReadFromFile);
    int bandRows = 0;
    png_set_read_user_chunk_fn(decoder.png, &bandRows, NoteBands);
    PngHeader header;
    if (!ReadHeader(decoder.png, decoder.info, header)) {
        error_ = decoder.failure.message;
        return;
    }
    error_ = RefusalOf(header);
    if (!error_.empty()) return;
    width_ = int(header.width);
    height_ = int(header.height);
    wide_ = header.bitDepth == 16;
    decoder.row.resize(png_get_rowbytes(decoder.png, decoder.info));
    const int pixelBytes = wide_ ? 2 : 1;
    bands_ = PngBandReader::Open(path, {width_, height_, header.bitDepth, header.colorType, decoder.row.size(), pixelBytes},
                                 bandRows);
}

PngReader::~PngReader() = default;

// libpng cannot go on once it has jumped back, so a failure ends the rows.
bool PngReader::NextRow(uint16_t* samples) {
    if (!error_.empty()) return false;
    if (bands_) {
        const uint8_t* row = bands_->NextRow();
        if (!row) {
            error_ = bands_->error();
            return false;
        }
        DecodeSampleBytes(row, width_, wide_, samples);
        return true;
    }
    if (!ReadRow(decoder_->png, decoder_->row.data())) {
        error_ = decoder_->failure.message;
        return false;
    }
    DecodeSampleBytes(decoder_->row.data(), width_, wide_, samples);
    return true;
}

namespace {

// Samples, when given, are what the rows are made from: rows they could not all give keep
// the target as it was.
InterchangeError WriteGreyPng(const char* path, const PngImageLayout& layout,
                              const std::function<void(int, uint8_t*)>& fillRow,
                              const FieldSamples* samples = nullptr) {
    ReplacingFile file(path);
    if (!file.ok()) return std::string("cannot create ") + path;
    WriteBandedPng(file, layout, fillRow);
    if ((samples && !samples->Complete()) || !file.Commit()) return std::string("cannot write ") + path;
    return {};
}

}  // namespace

InterchangeError ReadPngHeights(const char* path, SampleRows& samples) {
    PngReader reader(path);
    if (!reader.error().empty()) return reader.error();
    if (!samples.Start(reader.width(), reader.height(), reader.wide() ? 16 : 8)) return "not enough memory";
    for (int y = 0; y < reader.height(); ++y) {
        if (!reader.NextRow(samples.Row(y))) return reader.error();
        samples.Store(y);
    }
    return {};
}

InterchangeError WritePngHeights(const char* path, FieldSamples& samples) {
    const int width = samples.width;
    const bool wide = samples.bits == 16;
    const int pixelBytes = wide ? 2 : 1;
    const PngImageLayout layout{width, samples.height, samples.bits, PNG_COLOR_TYPE_GRAY, size_t(width) * pixelBytes,
                                pixelBytes};
    return WriteGreyPng(
        path, layout, [&](int y, uint8_t* bytes) { EncodeSampleBytes(samples.Row(y), width, wide, bytes); },
        &samples);
}

InterchangeError WriteGreyAlphaPng(const char* path, int width, int height,
                                   const std::function<void(int y, uint8_t* bytes)>& fillRow) {
    const PngImageLayout layout{width, height, 8, PNG_COLOR_TYPE_GRAY_ALPHA, size_t(width) * 2, 2};
    return WriteGreyPng(path, layout, fillRow);
}
