#pragma once

#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

// Writes a PNG of any layout the readers may meet; bytes hold the rows as libpng takes them.
inline bool WriteTestPng(const std::string& path, int width, int height, int bitDepth, int colorType,
                         const std::vector<uint8_t>& bytes, bool interlaced = false) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, bitDepth, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_color palette[2] = {{0, 0, 0}, {255, 255, 255}};
        png_set_PLTE(png, info, palette, 2);
    }
    png_write_info(png, info);
    std::vector<png_bytep> rows(height);
    size_t rowBytes = bytes.size() / size_t(height);
    for (int y = 0; y < height; ++y) rows[y] = const_cast<png_bytep>(bytes.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

// Any PNG as 8-bit RGBA, four bytes a pixel; empty when it cannot be read.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

inline RgbaImage ReadRgba(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    RgbaImage result;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return result;
    image.format = PNG_FORMAT_RGBA;
    result.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr)) return {};
    result.width = int(image.width);
    result.height = int(image.height);
    return result;
}

// A greyscale PNG's rows as libpng gives them, sixteen bits high byte first; empty when
// libpng refuses the file.
inline std::vector<uint8_t> ReadTestPng(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return {};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<uint8_t> bytes;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(file);
        return {};
    }
    png_init_io(png, file);
    png_read_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    bytes.resize(rowBytes * height);
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, bytes.data() + y * rowBytes, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return bytes;
}
