#include "framework/platform/png_writer.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "framework/draw/raster.h"

namespace {

// The row buffer belongs to the caller: libpng reports errors by longjmp, which must
// not skip a destructor.
bool WriteRows(std::FILE* file, const Raster& raster, std::vector<png_byte>& row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(raster.width()), png_uint_32(raster.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < raster.height(); ++y) {
        const uint32_t* pixels = raster.Row(y);
        for (int x = 0; x < raster.width(); ++x) {
            row[size_t(x) * 3] = png_byte(pixels[x] & 0xFF);
            row[size_t(x) * 3 + 1] = png_byte((pixels[x] >> 8) & 0xFF);
            row[size_t(x) * 3 + 2] = png_byte((pixels[x] >> 16) & 0xFF);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool vWritePng(const Raster& raster, const std::string& path) {
    if (raster.empty()) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::vector<png_byte> row(size_t(raster.width()) * 3);
    bool written = WriteRows(file, raster, row);
    written = std::fclose(file) == 0 && written;
    if (!written) std::remove(path.c_str());
    return written;
}
