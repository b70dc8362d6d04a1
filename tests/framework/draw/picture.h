#pragma once

#include <cstdint>
#include <string>

#include "framework/draw/memory_dc.h"

// A small white image and a text picture of its top-left corner: '.' white, '#' black,
// 'o' any other colour; one line a row.
class TestImage : public vMemoryDC {
public:
    TestImage(int width = 16, int height = 16) : vMemoryDC(width, height) { Erase(); }

    std::string Picture(int columns, int rows) const {
        std::string text;
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < columns; ++x) text += Symbol(GetPixel(x, y));
            text += '\n';
        }
        return text;
    }

    int CountPixels(uint32_t pixel) const {
        int count = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) count += GetPixel(x, y) == pixel;
        return count;
    }

private:
    static char Symbol(uint32_t pixel) {
        if (pixel == 0xFFFFFF) return '.';
        if (pixel == 0) return '#';
        return 'o';
    }
};
