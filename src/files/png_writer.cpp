#include "files/png_writer.h"

#include <png.h>
#include <unistd.h>

#include <csetjmp>
#include <vector>

#include "files/replacing_file.h"

namespace {

// Standard output, written without a buffer of its own: libpng already hands over
// blocks of several kilobytes.
class StandardOutput {
public:
    explicit StandardOutput(WriteSink& sink) : sink_(sink) {}
    bool ok() const { return ok_; }
    void Write(const void* data, size_t size) {
        if (ok_) ok_ = WriteAll(sink_, STDOUT_FILENO, data, size);
    }

private:
    WriteSink& sink_;
    bool ok_ = true;
};

template <typename Output>
void WriteTo(png_structp png, png_bytep data, png_size_t length) {
    static_cast<Output*>(png_get_io_ptr(png))->Write(data, length);
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
template <typename Output>
bool Encode(png_structp png, png_infop info, const Raster& raster, std::vector<png_byte>& row, Output& output) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &output, WriteTo<Output>, FlushNothing);
    png_set_IHDR(png, info, png_uint_32(raster.Width()), png_uint_32(raster.Height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < raster.Height() && output.ok(); ++y) {
        RgbRow(raster.Row(y), raster.Width(), row);
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    return output.ok();
}

template <typename Output>
bool EncodeTo(const Raster& raster, Output& output) {
    if (raster.IsEmpty() || !output.ok()) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_byte> row(size_t(raster.Width()) * 3);
    bool encoded = info && Encode(png, info, raster, row, output);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return encoded;
}

}  // namespace

bool WritePng(const Raster& raster, const char* path, WriteSink& sink) {
    ReplacingFile file(path, sink);
    return EncodeTo(raster, file) && file.Commit();
}

bool WritePngToStandardOutput(const Raster& raster, WriteSink& sink) {
    StandardOutput output(sink);
    return EncodeTo(raster, output);
}
