#include "cli/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <vector>

#include "core/replacing_file.h"

namespace {

void WriteToFile(png_structp png, png_bytep data, png_size_t length) {
    static_cast<ReplacingFile*>(png_get_io_ptr(png))->Write(data, length);
}

void FlushNothing(png_structp) {}

void RgbRow(const uint32_t* pixels, int width, std::vector<png_byte>& row) {
    for (int x = 0; x < width; ++x) {
        row[3 * x] = pixels[x] & 0xFF;
        row[3 * x + 1] = (pixels[x] >> 8) & 0xFF;
        row[3 * x + 2] = (pixels[x] >> 16) & 0xFF;
    }
}

// libpng reports errors by longjmp; nothing with a destructor lives in this frame.
bool Encode(png_structp png, png_infop info, const TarnMemoryDC& image, std::vector<png_byte>& row,
            ReplacingFile& file) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &file, WriteToFile, FlushNothing);
    png_set_IHDR(png, info, image.width(), image.height(), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        RgbRow(image.RowPixels(y), image.width(), row);
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

bool WritePng(const TarnMemoryDC& image, const char* path) {
    ReplacingFile file(path);
    if (!file.ok()) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_byte> row(size_t(image.width()) * 3);
    bool encoded = info && Encode(png, info, image, row, file);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return encoded && file.Commit();
}
