#include "framework/platform/headless/headless_text.h"

#include <algorithm>

#include "framework/platform/text_blit.h"

namespace {

constexpr int kLineHeight = vHeadlessText::kAscent + vHeadlessText::kDescent;
constexpr int kGlyphTop = 3;  // rows above the 7 glyph rows; the baseline is row 10

// UTF-8 continuation bytes belong to the character before them.
bool StartsCharacter(unsigned char byte) { return (byte & 0xC0) != 0x80; }

int CharacterCount(std::string_view text) {
    return int(std::count_if(text.begin(), text.end(),
                             [](char c) { return StartsCharacter(static_cast<unsigned char>(c)); }));
}

void StampGlyph(vTextMask& mask, int cellX, unsigned char c, const vFont& font, int scale) {
    const unsigned char* rows = vHeadlessGlyph(c);
    int thicken = font.IsBold() ? 1 : 0;
    for (int row = 0; row < 7; ++row) {
        int slant = font.IsItalic() ? (6 - row) / 3 : 0;
        for (int col = 0; col < 5; ++col) {
            if (!(rows[row] & (0x10 >> col))) continue;
            for (int sy = 0; sy < scale; ++sy) {
                for (int sx = 0; sx < scale + thicken; ++sx) {
                    int px = cellX + (col + slant) * scale + sx;
                    int py = (kGlyphTop + row) * scale + sy;
                    if (px < mask.width && py < mask.height) mask.At(px, py) = 255;
                }
            }
        }
    }
}

}  // namespace

int vHeadlessText::Scale(const vFont& font) {
    int pixels = font.GetPointSize() * 96 / 72;
    return std::clamp(pixels / kLineHeight, 1, 64);
}

void vHeadlessText::Metrics(const vFont& font, int& ascent, int& descent) {
    int scale = Scale(font);
    ascent = kAscent * scale;
    descent = kDescent * scale;
}

int vHeadlessText::Width(const vFont& font, std::string_view text) {
    return CharacterCount(text) * kCellWidth * Scale(font);
}

void vHeadlessText::Draw(Raster& raster, int x, int top, const vFont& font,
                         std::string_view text, uint32_t foreground, uint32_t background,
                         bool opaque) {
    int scale = Scale(font);
    vTextMask mask;
    mask.Reset(Width(font, text), kLineHeight * scale);
    int cellX = 0;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (!StartsCharacter(byte)) continue;
        StampGlyph(mask, cellX, byte, font, scale);
        cellX += kCellWidth * scale;
    }
    if (font.GetUnderlined()) {
        int row = (kAscent + 1) * scale;
        for (int col = 0; col < mask.width; ++col) mask.At(col, row) = 255;
    }
    vBlitTextMask(raster, x, top, mask, font.GetAngle(), foreground, background, opaque);
}
