#pragma once

#include <cstddef>

// The file kind a name asks for: ".tga" anywhere gives TGA, ".ppm" anywhere gives PPM
// (winning when both occur), neither leaves it unknown. Case counts.
inline constexpr int kFileKindTga = 0;
inline constexpr int kFileKindPpm = 1;
inline constexpr int kFileKindUnknown = 2;

int ClassifyFileName(const char* name);

// Gives the file name part of path the extension (".tga", ".ppm"): appended when the
// name has no ".", otherwise everything from its first "." on is replaced, so a.b.tga
// becomes a.tga. Dots in folder names are left alone. Returns false, leaving the buffer
// unchanged, when the result and its terminator would not fit in capacity bytes.
bool RewriteExtension(char* path, size_t capacity, const char* extension);
