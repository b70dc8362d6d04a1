#include "framework/look/paint.h"

#include <algorithm>
#include <string>

#include "framework/draw/raster.h"
#include "framework/look/mnemonic.h"
#include "framework/look/system_colors.h"

namespace vPaint {

namespace {

void UseSolid(vDC& dc, const vColor& color) {
    dc.UsePen(vPen(color));
    dc.UseBrush(vBrush(color));
}

// Removes the mnemonic marks; mnemonicAt receives the shown index of the marked
// letter, or -1.
// The two halves of a one-pixel ring around r: the top and left sides stop short of
// the corners the bottom and right sides take.
void TopLeft(vDC& dc, const vRect& r, const vColor& color) {
    HLine(dc, r.x, r.y, r.w - 1, color);
    VLine(dc, r.x, r.y, r.h - 1, color);
}

void BottomRight(vDC& dc, const vRect& r, const vColor& color) {
    HLine(dc, r.x, r.y + r.h - 1, r.w, color);
    VLine(dc, r.x + r.w - 1, r.y, r.h, color);
}

vRect Inner(const vRect& r) { return {r.x + 1, r.y + 1, r.w - 2, r.h - 2}; }

}  // namespace

void Fill(vDC& dc, const vRect& r, const vColor& color) {
    if (r.w <= 0 || r.h <= 0) return;
    UseSolid(dc, color);
    // A line leaves out its end point, so it covers exactly w or h pixels.
    if (r.h == 1) {
        dc.PaintLine(r.x, r.y, r.x + r.w, r.y);
        return;
    }
    if (r.w == 1) {
        dc.PaintLine(r.x, r.y, r.x, r.y + r.h);
        return;
    }
    // A box covers one pixel more than its width and height.
    dc.PaintBox(r.x, r.y, r.w - 1, r.h - 1);
}

void HLine(vDC& dc, int x, int y, int length, const vColor& color) { Fill(dc, {x, y, length, 1}, color); }
void VLine(vDC& dc, int x, int y, int length, const vColor& color) { Fill(dc, {x, y, 1, length}, color); }

void Frame(vDC& dc, const vRect& r, const vColor& color) {
    if (r.w <= 0 || r.h <= 0) return;
    TopLeft(dc, r, color);
    BottomRight(dc, r, color);
}

void RaisedEdge(vDC& dc, const vRect& r) {
    TopLeft(dc, r, vColorButtonHighlight);
    BottomRight(dc, r, vColorDarkShadow);
    BottomRight(dc, Inner(r), vColorButtonShadow);
}

void SunkenEdge(vDC& dc, const vRect& r) {
    TopLeft(dc, r, vColorButtonShadow);
    TopLeft(dc, Inner(r), vColorDarkShadow);
    BottomRight(dc, r, vColorButtonHighlight);
    BottomRight(dc, Inner(r), vColorLightEdge);
}

void ThinSunkenEdge(vDC& dc, const vRect& r) {
    TopLeft(dc, r, vColorButtonShadow);
    BottomRight(dc, r, vColorButtonHighlight);
}

void DottedFrame(vDC& dc, const vRect& r) {
    dc.UsePen(vPen(0, 0, 0, 1, vDot));
    int right = r.x + r.w - 1, bottom = r.y + r.h - 1;
    dc.PaintLine(r.x, r.y, right, r.y);
    dc.PaintLine(right, r.y, right, bottom);
    dc.PaintLine(right, bottom, r.x, bottom);
    dc.PaintLine(r.x, bottom, r.x, r.y);
}

int TextWidth(vDC& dc, std::string_view text) {
    return text.empty() ? 0 : dc.TextExtent(std::string(text).c_str());
}

int LineHeight(vDC& dc) {
    int ascent = 0, descent = 0;
    return dc.FontHeight(ascent, descent);
}

void Text(vDC& dc, int x, int top, std::string_view text, const vColor& color) {
    if (text.empty()) return;
    dc.UsePen(vPen(color, 1, vTransparent));
    // Text is placed by the bottom-left corner of its line.
    dc.WriteText(x, top + LineHeight(dc), std::string(text).c_str());
}

std::string Clipped(vDC& dc, std::string_view text, int width) {
    if (TextWidth(dc, text) <= width) return std::string(text);
    // Binary search for the longest prefix that fits with the ellipsis, on whole
    // UTF-8 characters.
    size_t low = 0, high = text.size();
    while (low < high) {
        size_t mid = (low + high + 1) / 2;
        if (TextWidth(dc, std::string(text.substr(0, mid)) + "...") <= width) low = mid;
        else high = mid - 1;
    }
    while (low > 0 && (static_cast<unsigned char>(text[low]) & 0xC0) == 0x80) --low;
    return std::string(text.substr(0, low)) + "...";
}

void TextCentered(vDC& dc, const vRect& r, std::string_view text, const vColor& color) {
    int width = TextWidth(dc, text);
    Text(dc, r.x + (r.w - width) / 2, r.y + (r.h - LineHeight(dc)) / 2, text, color);
}

namespace {

// Puts back the pixels of before that lie outside r.
void RestoreOutside(Raster& surface, const Raster& before, const vRect& r) {
    int width = surface.Width();
    int left = std::clamp(r.x, 0, width), right = std::clamp(r.x + r.w, left, width);
    for (int y = 0; y < surface.Height(); ++y) {
        uint32_t* row = surface.Row(y);
        const uint32_t* old = before.Row(y);
        if (y < r.y || y >= r.y + r.h) {
            std::copy(old, old + width, row);
            continue;
        }
        std::copy(old, old + left, row);
        std::copy(old + right, old + width, row + right);
    }
}

}  // namespace

// Text too wide for its box starts at the box's left edge, so a read-out shows its
// beginning; nothing is drawn outside the box.
void TextInBox(vDC& dc, const vRect& r, std::string_view text, const vColor& color) {
    Raster* surface = dc.AcquireSurface();
    if (!surface) return;
    Raster before = *surface;
    dc.ReleaseSurface();
    if (TextWidth(dc, text) <= r.w) TextCentered(dc, r, text, color);
    else Text(dc, r.x + 2, r.y + (r.h - LineHeight(dc)) / 2, text, color);
    int dx = 0, dy = 0;
    dc.GetTranslate(dx, dy);
    if ((surface = dc.AcquireSurface()) != nullptr) RestoreOutside(*surface, before, {r.x + dx, r.y + dy, r.w, r.h});
    dc.ReleaseSurface();
}

int MnemonicTextWidth(vDC& dc, std::string_view text) {
    return TextWidth(dc, vParseMnemonic(text).shown);
}

void MnemonicText(vDC& dc, int x, int top, std::string_view text, const vColor& color, bool underline) {
    vMnemonicLabel label = vParseMnemonic(text);
    const std::string& shown = label.shown;
    int at = label.underlineAt;
    Text(dc, x, top, shown, color);
    if (!underline || at < 0) return;
    int start = x + TextWidth(dc, std::string_view(shown).substr(0, at));
    int width = TextWidth(dc, std::string_view(shown).substr(at, 1));
    int ascent = 0, descent = 0;
    dc.FontHeight(ascent, descent);
    HLine(dc, start, top + ascent + 1, width, color);
}

void Arrow(vDC& dc, const vRect& r, vArrowDirection direction, const vColor& color) {
    int size = std::max(2, std::min(r.w, r.h) / 3);
    int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
    // A filled triangle drawn as rows of shrinking lines, so it is crisp at any size.
    for (int i = 0; i < size; ++i) {
        int half = i;  // the tip is one pixel, each row further on two wider
        switch (direction) {
        case vArrowUp: HLine(dc, cx - half, cy - size / 2 + i, 2 * half + 1, color); break;
        case vArrowDown: HLine(dc, cx - half, cy + size / 2 - i, 2 * half + 1, color); break;
        case vArrowLeft: VLine(dc, cx - size / 2 + i, cy - half, 2 * half + 1, color); break;
        case vArrowRight: VLine(dc, cx + size / 2 - i, cy - half, 2 * half + 1, color); break;
        }
    }
}

void CheckMark(vDC& dc, const vRect& r, const vColor& color) {
    int unit = std::max(1, std::min(r.w, r.h) / 7);
    int x = r.x + (r.w - 7 * unit) / 2, y = r.y + (r.h - 7 * unit) / 2;
    for (int i = 0; i < 3 * unit; ++i) VLine(dc, x + unit + i, y + 2 * unit + i, 3 * unit, color);
    for (int i = 0; i < 4 * unit; ++i) VLine(dc, x + 4 * unit + i, y + 4 * unit - i, 3 * unit, color);
}

}  // namespace vPaint
