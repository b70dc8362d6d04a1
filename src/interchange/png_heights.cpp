#include "interchange/png_heights.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include "core/input_file.h"
#include "files/replacing_file.h"

namespace {

// zlib level 1 with the Up filter: terrain rows resemble the row above, so Up leaves
// small differences that the fastest level already packs well; higher levels and the
// adaptive filter choice cost several times the time for a few per cent of size.
constexpr int kCompressionLevel = 1;
constexpr int kRowFilter = PNG_FILTER_UP;

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

void WriteToFile(png_structp png, png_bytep data, png_size_t length) {
    static_cast<ReplacingFile*>(png_get_io_ptr(png))->Write(data, length);
}

void FlushNothing(png_structp) {}

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

bool ReadRows(png_structp png, const PngHeader& header, SampleRows& samples, png_bytep row) {
    if (setjmp(png_jmpbuf(png))) return false;
    const int width = int(header.width);
    for (int y = 0; y < int(header.height); ++y) {
        png_read_row(png, row, nullptr);
        uint16_t* out = samples.Row(y);
        if (header.bitDepth == 16) {
            for (int x = 0; x < width; ++x) out[x] = uint16_t(row[2 * x] << 8 | row[2 * x + 1]);
        } else {
            for (int x = 0; x < width; ++x) out[x] = row[x];
        }
        samples.Store(y);
    }
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

InterchangeError Decode(png_structp png, png_infop info, InputFile& file, SampleRows& samples) {
    PngFailure failure;
    png_set_error_fn(png, &failure, RecordError, IgnoreWarning);
    png_set_read_fn(png, &file, ReadFromFile);
    PngHeader header;
    if (!ReadHeader(png, info, header)) return failure.message;
    InterchangeError refusal = RefusalOf(header);
    if (!refusal.empty()) return refusal;
    if (!samples.Start(int(header.width), int(header.height), header.bitDepth)) return "not enough memory";
    std::vector<png_byte> row(png_get_rowbytes(png, info));
    if (!ReadRows(png, header, samples, row.data())) return failure.message;
    return {};
}

bool Encode(png_structp png, png_infop info, int width, int height, int bitDepth, int colorType,
            const std::function<void(int, uint8_t*)>& fillRow, png_bytep row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), bitDepth, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kCompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, kRowFilter);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        fillRow(y, row);
        png_write_row(png, row);
    }
    png_write_end(png, info);
    return true;
}

// Samples, when given, are what the rows are made from: rows they could not all give keep
// the target as it was.
InterchangeError WriteGreyPng(const char* path, int width, int height, int bitDepth, int colorType,
                              size_t rowBytes, const std::function<void(int, uint8_t*)>& fillRow,
                              const FieldSamples* samples = nullptr) {
    ReplacingFile file(path);
    if (!file.ok()) return std::string("cannot create ") + path;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "not enough memory";
    }
    PngFailure failure;
    png_set_error_fn(png, &failure, RecordError, IgnoreWarning);
    png_set_write_fn(png, &file, WriteToFile, FlushNothing);
    std::vector<png_byte> row(rowBytes);
    bool encoded = Encode(png, info, width, height, bitDepth, colorType, fillRow, row.data());
    png_destroy_write_struct(&png, &info);
    if (!encoded) return failure.message;
    if ((samples && !samples->Complete()) || !file.Commit()) return std::string("cannot write ") + path;
    return {};
}

}  // namespace

InterchangeError ReadPngHeights(const char* path, SampleRows& samples) {
    InputFile file(path);
    if (!file.IsOpen()) return "cannot open the file";
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return "not enough memory";
    }
    InterchangeError error = Decode(png, info, file, samples);
    png_destroy_read_struct(&png, &info, nullptr);
    return error;
}

InterchangeError WritePngHeights(const char* path, FieldSamples& samples) {
    const int width = samples.width;
    const bool wide = samples.bits == 16;
    return WriteGreyPng(path, width, samples.height, samples.bits, PNG_COLOR_TYPE_GRAY,
                        size_t(width) * (wide ? 2 : 1), [&](int y, uint8_t* bytes) {
                            const uint16_t* in = samples.Row(y);
                            if (wide) {
                                for (int x = 0; x < width; ++x) {
                                    bytes[2 * x] = uint8_t(in[x] >> 8);
                                    bytes[2 * x + 1] = uint8_t(in[x]);
                                }
                            } else {
                                for (int x = 0; x < width; ++x) bytes[x] = uint8_t(in[x]);
                            }
                        },
                        &samples);
}

InterchangeError WriteGreyAlphaPng(const char* path, int width, int height,
                                   const std::function<void(int y, uint8_t* bytes)>& fillRow) {
    return WriteGreyPng(path, width, height, 8, PNG_COLOR_TYPE_GRAY_ALPHA, size_t(width) * 2, fillRow);
}
