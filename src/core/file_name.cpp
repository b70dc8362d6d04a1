#include "core/file_name.h"

#include <cstring>

int ClassifyFileName(const char* name) {
    int kind = kFileKindUnknown;
    if (std::strstr(name, ".tga")) kind = kFileKindTga;
    if (std::strstr(name, ".ppm")) kind = kFileKindPpm;
    return kind;
}

bool RewriteExtension(char* path, size_t capacity, const char* extension) {
    size_t length = strnlen(path, capacity);
    if (length == capacity) return false;
    const char* slash = std::strrchr(path, '/');
    char* fileName = slash ? path + (slash - path) + 1 : path;
    char* dot = std::strchr(fileName, '.');
    size_t stem = dot ? size_t(dot - path) : length;
    size_t extensionLength = std::strlen(extension);
    if (stem + extensionLength + 1 > capacity) return false;
    std::memcpy(path + stem, extension, extensionLength + 1);
    return true;
}
