#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cctype>
#include <cstdint>
#include <string>

// The fuzz input as a regular file in memory, reachable by path like any file on disk.
inline const char* FuzzInputPath(const uint8_t* data, size_t size) {
    static int fd = memfd_create("knoll-fuzz", 0);
    static std::string path = "/proc/self/fd/" + std::to_string(fd);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size)) return "";
    return path.c_str();
}

// Inputs that declare more positions than this are passed over: allocating a whole
// field for a few bytes of header would spend the run on memory, not on the format.
inline constexpr int64_t kFuzzMaxPositions = int64_t(1) << 20;

inline bool FuzzSizeAccepted(int64_t width, int64_t height) {
    return width >= 0 && height >= 0 && (width == 0 || height <= kFuzzMaxPositions / width);
}

// The unsigned number of count bytes at offset, little-endian (TGA) or big-endian
// (PNG); 0 past the input's end.
inline int64_t FuzzNumber(const uint8_t* data, size_t size, size_t offset, size_t count, bool bigEndian) {
    if (offset + count > size) return 0;
    int64_t number = 0;
    for (size_t i = 0; i < count; ++i) {
        size_t byte = bigEndian ? i : count - 1 - i;
        number = number << 8 | data[offset + byte];
    }
    return number;
}

// Whether the size a netpbm header ("P5 W H", comments allowed) declares is accepted;
// what it does not say counts as 0.
inline bool FuzzNetpbmSizeAccepted(const uint8_t* data, size_t size) {
    size_t at = 2;
    int64_t numbers[2] = {};
    for (int64_t& number : numbers) {
        while (at < size && (std::isspace(data[at]) || data[at] == '#')) {
            if (data[at] != '#') ++at;
            else while (at < size && data[at] != '\n') ++at;
        }
        for (; at < size && std::isdigit(data[at]) && number <= kFuzzMaxPositions; ++at) {
            number = number * 10 + (data[at] - '0');
        }
    }
    return FuzzSizeAccepted(numbers[0], numbers[1]);
}
