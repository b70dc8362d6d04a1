#include "interchange/raw_heights.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "core/input_file.h"
#include "files/replacing_file.h"
#include "core/row_reader.h"

namespace {

int64_t SquareSide(int64_t count) {
    auto side = int64_t(std::llround(std::sqrt(double(count))));
    return side * side == count ? side : 0;
}

// The side of the square field an even length holds, or 0 if it holds none.
int64_t SquareSideOf(uintmax_t bytes) {
    return SquareSide(int64_t(std::min<uintmax_t>(bytes / 2, uintmax_t(INT64_MAX))));
}

// The size the file's length gives, or the reason there is none.
InterchangeError SizeOf(uintmax_t bytes, int& width, int& height) {
    if (bytes == 0) return "the RAW file is empty";
    if (bytes % 2 != 0) return "the RAW file's length of " + std::to_string(bytes) + " bytes is odd";
    if (width > 0) {
        if (bytes == uintmax_t(width) * uintmax_t(height) * 2) return {};
        return "the RAW file holds " + std::to_string(bytes) + " bytes, " + std::to_string(width) + "x" +
               std::to_string(height) + " needs " + std::to_string(uintmax_t(width) * uintmax_t(height) * 2);
    }
    int64_t side = SquareSideOf(bytes);
    if (side == 0) return "the RAW file's " + std::to_string(bytes / 2) + " samples make no square field";
    if (!HeightField::AcceptableSize(side, side)) {
        return "the RAW file's " + std::to_string(side) + "x" + std::to_string(side) +
               " field is larger than a field may be (8192 x 8192 positions at most)";
    }
    width = height = int(side);
    return {};
}

}  // namespace

InterchangeError ReadRawHeights(const char* path, int width, int height, SampleRows& samples) {
    InputFile file(path);
    if (!file.IsOpen()) return "cannot open the file";
    std::error_code failed;
    uintmax_t bytes = std::filesystem::file_size(path, failed);
    if (failed) return "cannot read the file's length";
    InterchangeError error = SizeOf(bytes, width, height);
    if (!error.empty()) return error;
    if (!samples.Start(width, height, 16)) return "not enough memory";
    int rows = ReadRows(file, height, size_t(width) * 2, [&](int y, const uint8_t* bytes) {
        uint16_t* out = samples.Row(y);
        for (int x = 0; x < width; ++x) out[x] = uint16_t(bytes[2 * x] | bytes[2 * x + 1] << 8);
        samples.Store(y);
    });
    if (rows < height) return "the file ends early";
    return {};
}

bool RawNeedsSize(const char* path) {
    std::error_code failed;
    uintmax_t bytes = std::filesystem::file_size(path, failed);
    return !failed && bytes > 0 && bytes % 2 == 0 && SquareSideOf(bytes) == 0;
}

std::vector<FileSize> RawSizesOf(const char* path) {
    std::error_code failed;
    uintmax_t bytes = std::filesystem::file_size(path, failed);
    std::vector<FileSize> sizes;
    if (failed || bytes == 0 || bytes % 2 != 0) return sizes;
    const uintmax_t samples = bytes / 2;
    if (samples > uintmax_t(HeightField::kMaxPositions) || SquareSide(int64_t(samples)) != 0) return sizes;
    for (int64_t width = 1; width <= HeightField::kMaxSide && uintmax_t(width) <= samples; ++width) {
        int64_t height = int64_t(samples) / width;
        if (height * width == int64_t(samples) && HeightField::AcceptableSize(width, height)) {
            sizes.push_back({int(width), int(height)});
        }
    }
    return sizes;
}

InterchangeError WriteRawHeights(const char* path, FieldSamples& samples) {
    ReplacingFile file(path);
    for (int y = 0; y < samples.height && file.ok(); ++y) {
        const uint16_t* in = samples.Row(y);
        uint8_t* bytes = file.Reserve(size_t(samples.width) * 2);
        for (int x = 0; x < samples.width; ++x) {
            bytes[2 * x] = uint8_t(in[x]);
            bytes[2 * x + 1] = uint8_t(in[x] >> 8);
        }
    }
    if (!samples.Complete() || !file.Commit()) return std::string("cannot write ") + path;
    return {};
}
