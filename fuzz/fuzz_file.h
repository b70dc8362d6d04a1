#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

// The fuzz input as a regular file in memory, reachable by path like any file on disk.
inline const char* FuzzInputPath(const uint8_t* data, size_t size) {
    static int fd = memfd_create("knoll-fuzz", 0);
    static std::string path = "/proc/self/fd/" + std::to_string(fd);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size)) return "";
    return path.c_str();
}
