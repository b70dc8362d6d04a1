#pragma once

#include <algorithm>
#include <cstring>
#include <string>

// The file name alone: what follows the last "/", or the whole path without one.
inline const char* BareName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// The folder of a path, "." for a bare name.
inline std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Copies text into a buffer of capacity bytes, cut to fit.
inline void CopyInto(char* buffer, size_t capacity, const std::string& text) {
    size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}
