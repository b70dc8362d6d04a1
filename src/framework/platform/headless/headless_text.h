#pragma once

#include "framework/draw/text_renderer.h"

// Text with fixed, deterministic metrics and a small built-in bitmap glyph set. Every
// character is a 5 x 7 glyph in a cell 6 pixels wide; a line is 13 pixels high (ascent
// 10, descent 3). Fonts larger than 13 pixels (point size x 96 / 72) scale the whole
// cell by whole steps. Bold thickens the strokes and italic slants them without
// changing the metrics; underline draws a line at the baseline + 1. Characters outside
// 32..126 draw as a box.
class vHeadlessText : public vTextRenderer {
public:
    static constexpr int kCellWidth = 6;
    static constexpr int kAscent = 10;
    static constexpr int kDescent = 3;

    // The whole-step scale of a font: 1 up to 13 pixels high, then pixels / 13.
    static int Scale(const vFont& font);

    void Metrics(const vFont& font, int& ascent, int& descent) override;
    int Width(const vFont& font, std::string_view text) override;
    void Draw(Raster& raster, int x, int top, const vFont& font, std::string_view text,
              uint32_t foreground, uint32_t background, bool opaque) override;
};

// The glyph of a character: 7 rows, bit 4 of each row the leftmost of 5 columns.
// Characters outside 32..126 give a hollow box.
const unsigned char* vHeadlessGlyph(unsigned char c);
