#pragma once

#include <cstdint>

// A 24-bit colour. The packed value red | green << 8 | blue << 16 always matches the
// three components; height fields are stored in it, so it must never be rounded.
class vColor {
public:
    constexpr vColor(unsigned r = 0, unsigned g = 0, unsigned b = 0) { Set(r, g, b); }

    static constexpr vColor FromPixel(uint32_t pixel) {
        return vColor(pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF);
    }

    constexpr void Set(unsigned r, unsigned g, unsigned b) {
        red_ = r & 0xFF;
        green_ = g & 0xFF;
        blue_ = b & 0xFF;
        Pack();
    }
    constexpr void SetR(unsigned r) { red_ = r & 0xFF; Pack(); }
    constexpr void SetG(unsigned g) { green_ = g & 0xFF; Pack(); }
    constexpr void SetB(unsigned b) { blue_ = b & 0xFF; Pack(); }

    constexpr uint8_t R() const { return red_; }
    constexpr uint8_t G() const { return green_; }
    constexpr uint8_t B() const { return blue_; }
    constexpr uint32_t Pixel() const { return pixel_; }

    constexpr bool operator==(const vColor& other) const { return pixel_ == other.pixel_; }

private:
    constexpr void Pack() { pixel_ = red_ | (green_ << 8) | (uint32_t(blue_) << 16); }

    uint8_t red_ = 0;
    uint8_t green_ = 0;
    uint8_t blue_ = 0;
    uint32_t pixel_ = 0;
};

enum vStdColorIndex {
    vStdBlack, vStdRed, vStdDimRed, vStdGreen, vStdDimGreen, vStdBlue, vStdDimBlue, vStdYellow,
    vStdDimYellow, vStdMagenta, vStdDimMagenta, vStdCyan, vStdDimCyan, vStdDarkGray, vStdMedGray,
    vStdWhite
};

inline constexpr int vStdColorCount = 16;

inline constexpr vColor vStdColors[vStdColorCount] = {
    {0, 0, 0},       {255, 0, 0},     {127, 0, 0},   {0, 255, 0},   {0, 127, 0},
    {0, 0, 255},     {0, 0, 127},     {255, 255, 0}, {127, 127, 0}, {255, 0, 255},
    {127, 0, 127},   {0, 255, 255},   {0, 127, 127}, {63, 63, 63},  {127, 127, 127},
    {255, 255, 255},
};

inline constexpr const char* vColorNames[vStdColorCount] = {
    "Black",  "Red",        "Dim Red",     "Green", "Dim Green", "Blue",
    "Dim Blue", "Yellow",   "Dim Yellow",  "Magenta", "Dim Magenta", "Cyan",
    "Dim Cyan", "Dark Gray", "Med Gray",   "White",
};
