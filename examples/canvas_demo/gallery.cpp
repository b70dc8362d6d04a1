#include <vector>

#include "demo_canvas.h"

namespace {

// A 16 x 16 one-bit arrow, a 4-colour 8-bit chequer and a 24-bit disc on magenta,
// whose magenta corner makes it see-through.
constexpr unsigned char kArrowBits[] = {
    0x80, 0x01, 0xC0, 0x03, 0xE0, 0x07, 0xF0, 0x0F, 0xF8, 0x1F, 0xFC, 0x3F, 0xC0, 0x03, 0xC0, 0x03,
    0xC0, 0x03, 0xC0, 0x03, 0xC0, 0x03, 0xC0, 0x03, 0xC0, 0x03, 0xC0, 0x03, 0x00, 0x00, 0x00, 0x00};

std::vector<unsigned char> ChequerBits() {
    std::vector<unsigned char> bits = {3, 255, 0, 0, 0, 160, 0, 0, 0, 200, 250, 200, 0};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) bits.push_back((unsigned char)(((x / 4) + (y / 4)) % 4));
    }
    return bits;
}

std::vector<unsigned char> DiscBits() {
    std::vector<unsigned char> bits;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            bool inside = (x - 8) * (x - 8) + (y - 8) * (y - 8) < 49;
            bits.insert(bits.end(), {(unsigned char)(inside ? 255 : 255), (unsigned char)(inside ? 140 : 0),
                                     (unsigned char)(inside ? 0 : 255)});
        }
    }
    return bits;
}

void Caption(vCanvasPane& c, int x, int y, const char* text) {
    c.UseFont(vFont(vFontSansSerif, 8));
    c.UsePen(vPen(60, 60, 60, 1, vTransparent));
    c.WriteText(x, y, text);
}

void Lines(vCanvasPane& c, int x, int y) {
    Caption(c, x, y, "PaintLine with pens");
    const vPen pens[] = {vPen(0, 0, 0), vPen(200, 0, 0, 3), vPen(0, 0, 200, 1, vDash),
                         vPen(0, 128, 0, 1, vDot), vPen(128, 0, 128, 1, vDashDot)};
    for (int i = 0; i < 5; ++i) {
        c.UsePen(pens[i]);
        c.PaintLine(x, y + 8 + i * 6, x + 140, y + 8 + i * 6);
    }
    Caption(c, x + 160, y, "Segments, polyline, dots");
    vLine segments[] = {{x + 160, y + 8, x + 200, y + 36}, {x + 200, y + 8, x + 160, y + 36}};
    c.UsePen(vPen(0, 0, 0));
    c.PaintSegments(segments, 2);
    vPoint zigzag[] = {{x + 210, y + 36}, {x + 225, y + 8}, {x + 240, y + 36}, {x + 255, y + 8}};
    c.UsePen(vPen(0, 120, 0, 2));
    c.PaintPolyline(zigzag, 4);
    vPoint dots[] = {{x + 270, y + 10}, {x + 280, y + 20}, {x + 290, y + 30}};
    c.UsePen(vPen(200, 0, 0, 3));
    c.PaintDots(dots, 3);
    c.PaintDot(x + 270, y + 34);
}

void Shapes(vCanvasPane& c, int x, int y) {
    Caption(c, x, y, "Boxes, round box, ellipse; brushes");
    c.UsePen(vPen(0, 0, 0));
    c.UseBrush(vBrush(255, 200, 0));
    c.PaintBox(x, y + 6, 40, 30);
    vRect boxes[] = {{x + 48, y + 6, 16, 12}, {x + 48, y + 24, 16, 12}};
    c.UseBrush(vBrush(0, 90, 200, vCrossHatch));
    c.PaintBoxes(boxes, 2);
    c.UseBrush(vBrush(0, 160, 80, vFDiagonalHatch));
    c.PaintRoundBox(x + 72, y + 6, 60, 30, 12);
    c.UseBrush(vBrush(220, 60, 60));
    c.PaintEllipse(x + 140, y + 6, 60, 30);
    vPoint star[] = {{x + 230, y + 6}, {x + 242, y + 38}, {x + 212, y + 18}, {x + 248, y + 18},
                     {x + 218, y + 38}, {x + 230, y + 6}};
    c.UseBrush(vBrush(120, 0, 160));
    c.PaintPolygon(6, star, vAlternate);
    for (vPoint& point : star) point.x += 45;
    c.PaintPolygon(6, star, vWinding);
}

void Pixels(vCanvasPane& c, int x, int y) {
    Caption(c, x, y, "PaintPixelStrip, BlitFrom, XOR");
    std::vector<vColor> strip(140);
    for (int row = 0; row < 24; ++row) {
        for (int i = 0; i < 140; ++i) strip[size_t(i)] = vColor(i * 255 / 139, row * 10, 255 - i * 255 / 139);
        c.PaintPixelStrip(x, y + 6 + row, 140, strip.data());
    }
    vMemoryDC tile(24, 24);
    tile.SetBackColor(vColor(255, 255, 255));
    tile.Erase();
    tile.UseBrush(vBrush(0, 0, 0));
    tile.PaintEllipse(2, 2, 20, 20);
    c.BlitFrom(&tile, x + 150, y + 6, 0, 0, 0, 0);
    c.UsePen(vPen(0, 0, 0));
    c.UseBrush(vBrush(60, 160, 220));
    c.PaintBox(x + 185, y + 6, 100, 24);
    c.XorBox(x + 195, y + 10, 30, 16);
    c.XorEllipse(x + 235, y + 8, 40, 20);
    c.XorLine(x + 185, y + 30, x + 285, y + 6);
    if (vDC* dc = c.GetDC()) dc->XorDot(x + 290, y + 18);
}

void Text(vCanvasPane& c, int x, int y) {
    Caption(c, x, y, "Fonts, styles and angles");
    struct Sample {
        vFont font;
        const char* text;
    };
    const Sample samples[] = {{vFont(vFontSerif, 12), "Serif 12"},
                              {vFont(vFontSansSerif, 12, vFontStyleNormal, vFontBold), "Sans bold"},
                              {vFont(vFontFixed, 11, vFontItalic), "Fixed italic"},
                              {vFont(vFontSansSerif, 10, vFontStyleNormal, vFontWeightNormal, 1), "Underlined"}};
    int line = y + 6;
    c.UsePen(vPen(0, 0, 0, 1, vTransparent));
    for (const Sample& sample : samples) {
        c.UseFont(sample.font);
        int ascent = 0, descent = 0;
        line += c.FontHeight(ascent, descent);
        c.WriteText(x, line, sample.text);
    }
    c.UseFont(vFont(vFontSansSerif, 10, vFontStyleNormal, vFontWeightNormal, 0, 30));
    c.UsePen(vPen(160, 0, 0, 1, vTransparent));
    c.WriteText(x + 150, y + 70, "Turned 30");
    c.UseFont(vFont(vFontSansSerif, 10));
    c.UsePen(vPen(0, 0, 0));
    c.WriteStyledText(x + 150, y + 90, "Inverse", 1);
    c.WriteStyledText(x + 220, y + 90, "Selected", 2);
}

void Icons(vCanvasPane& c, int x, int y) {
    Caption(c, x, y, "PaintIcon: 1, 8 and 24 bits");
    static const std::vector<unsigned char> chequer = ChequerBits();
    static const std::vector<unsigned char> disc = DiscBits();
    c.UsePen(vPen(0, 0, 0));
    c.PaintIcon(x, y + 6, vIcon{kArrowBits, 16, 16, 1, false});
    c.PaintIcon(x + 30, y + 6, vIcon{chequer.data(), 16, 16, 8, false});
    c.UseBrush(vBrush(180, 220, 255));
    c.PaintBox(x + 58, y + 4, 60, 20);
    c.PaintIcon(x + 60, y + 6, vIcon{disc.data(), 16, 16, 24, false});
    c.PaintIcon(x + 90, y + 6, vIcon{disc.data(), 16, 16, 24, true});
}

}  // namespace

void DrawOperationGallery(vCanvasPane& canvas, int x, int y) {
    canvas.UseFont(vFont(vFontSansSerif, 11, vFontStyleNormal, vFontBold));
    canvas.UsePen(vPen(0, 0, 0, 1, vTransparent));
    canvas.WriteText(x + 10, y + 22, "Every drawing operation");
    Lines(canvas, x + 10, y + 44);
    Shapes(canvas, x + 10, y + 104);
    Pixels(canvas, x + 10, y + 164);
    Text(canvas, x + 10, y + 220);
    Icons(canvas, x + 10, y + 340);
}
