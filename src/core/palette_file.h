#pragma once

#include <string>

#include "core/palette.h"

// Results of reading a palette file.
inline constexpr int kPaletteLoaded = 0;
inline constexpr int kPaletteCannotOpen = 1;
inline constexpr int kPaletteBodyError = 2;

// What start-up and the batch tool tell of a palette that failed: "Palette Open error"
// or "Palette Body error".
const char* PaletteLoadNotice(int result);

// Reads up to 256 lines "red,green,blue" into palette entries 0 to 255, each number
// read as scanf's "%i" does (blanks, a sign, decimal, 0 octal or 0x hexadecimal) and
// cut to its low eight bits; text after the third number is ignored, as is every
// line after the 256th. A line is scanned by its first 99 characters only; the rest of
// a longer line is skipped and the next entry comes from the next line. A line without
// three numbers, or the file ending early, stops with kPaletteBodyError and leaves the
// entries read so far replaced. Once the file is open, paletteDirectory takes the
// working directory; on kPaletteCannotOpen nothing changes.
int LoadPaletteFile(const char* path, Palette& palette, std::string& paletteDirectory);

// Scans one line by the rules above; false unless three numbers were found.
bool ScanPaletteLine(const char* line, vColor& color);
