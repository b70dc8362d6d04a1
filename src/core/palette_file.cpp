#include "core/palette_file.h"

#include <cstdint>
#include <unistd.h>

#include "core/input_file.h"

namespace {

constexpr int kLineLimit = 99;
constexpr int kEntryCount = 256;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Digits of the base from text, accumulated with wrap-around: only the low eight bits
// of the number are kept, and those the wrap leaves exact, however long the number.
uint64_t AccumulateDigits(const char*& text, int base, int& count) {
    uint64_t number = 0;
    for (; DigitValue(*text) < base; ++text, ++count) number = number * base + DigitValue(*text);
    return number;
}

// One "%i" conversion. "0x" without hexadecimal digits reads as 0, as the C library
// does; a sign must touch its number.
bool ScanInteger(const char*& text, uint64_t& number) {
    while (IsBlank(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    int digits = 0;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text += 2;
        number = AccumulateDigits(text, 16, digits);
    } else if (text[0] == '0') {
        number = AccumulateDigits(text, 8, digits);
    } else {
        number = AccumulateDigits(text, 10, digits);
        if (digits == 0) return false;
    }
    if (negative) number = 0 - number;
    return true;
}

bool ScanComponent(const char*& text, uint8_t& component) {
    uint64_t number = 0;
    if (!ScanInteger(text, number)) return false;
    component = uint8_t(number & 0xFF);
    return true;
}

// The next line, cut to kLineLimit characters; false when the file has ended.
bool ReadLine(InputFile& file, char (&line)[kLineLimit + 1]) {
    int c = file.Get();
    if (c == EOF) return false;
    int length = 0;
    for (; c != EOF && c != '\n'; c = file.Get()) {
        if (length < kLineLimit) line[length++] = char(c);
    }
    line[length] = '\0';
    return true;
}

std::string WorkingDirectory() {
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

}  // namespace

bool ScanPaletteLine(const char* line, vColor& color) {
    uint8_t red = 0, green = 0, blue = 0;
    if (!ScanComponent(line, red) || *line++ != ',') return false;
    if (!ScanComponent(line, green) || *line++ != ',') return false;
    if (!ScanComponent(line, blue)) return false;
    color = vColor(red, green, blue);
    return true;
}

int LoadPaletteFile(const char* path, Palette& palette, std::string& paletteDirectory) {
    InputFile file(path);
    if (!file.IsOpen()) return kPaletteCannotOpen;
    paletteDirectory = WorkingDirectory();
    char line[kLineLimit + 1];
    for (int entry = 0; entry < kEntryCount; ++entry) {
        vColor color;
        if (!ReadLine(file, line) || !ScanPaletteLine(line, color)) return kPaletteBodyError;
        palette[entry] = color;
    }
    return kPaletteLoaded;
}

const char* PaletteLoadNotice(int result) {
    return result == kPaletteCannotOpen ? "Palette Open error" : "Palette Body error";
}
