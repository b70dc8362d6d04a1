#include "framework/draw/win_dc.h"

#include <algorithm>
#include <cstring>

#include "framework/draw/memory_dc.h"
#include "framework/draw/raster.h"
#include "framework/draw/text_renderer.h"

namespace {

void FillRect(Raster& raster, int x, int y, int width, int height, uint32_t pixel) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + width, raster.width()), y1 = std::min(y + height, raster.height());
    for (int row = y0; row < y1; ++row) std::fill(raster.Row(row) + x0, raster.Row(row) + x1, pixel);
}

}  // namespace

// Erasing ignores translation and scaling: it always covers the surface itself.
void vWinDC::Erase() {
    if (Raster* surface = AcquireSurface()) {
        surface->Fill(backColor_.pixel());
        ReleaseSurface();
    }
}

void vWinDC::EraseArea(int x, int y, int width, int height) {
    if (width == 0 || height == 0) return;
    if (Raster* surface = AcquireSurface()) {
        FillRect(*surface, x, y, width, height, backColor_.pixel());
        ReleaseSurface();
    }
}

void vWinDC::PaintPixelStrip(int x, int y, int count, const vColor* colors) {
    if (y < 0 || count <= 0 || colors == nullptr) return;
    Raster* surface = AcquireSurface();
    if (!surface) return;
    int dx = DeviceX(x), dy = DeviceY(y);
    if (dy >= 0 && dy < surface->height()) {
        int first = std::max(0, -dx);
        int last = std::min(count, surface->width() - dx);
        uint32_t* row = surface->Row(dy);
        for (int i = first; i < last; ++i) row[dx + i] = colors[i].pixel();
    }
    ReleaseSurface();
}

void vWinDC::BlitFrom(vMemoryDC* source, int x, int y, int sourceX, int sourceY, int width,
                      int height) {
    if (!source) return;
    Raster* from = source->AcquireSurface();
    Raster* to = AcquireSurface();
    if (from && to) {
        sourceX = std::max(sourceX, 0);
        sourceY = std::max(sourceY, 0);
        if (width <= 0) width = from->width();
        if (height <= 0) height = from->height();
        width = std::min(width, from->width() - sourceX);
        height = std::min(height, from->height() - sourceY);
        if (width_ > 0) width = std::min(width, width_ - x);
        if (height_ > 0) height = std::min(height, height_ - y);
        int dx = DeviceX(x), dy = DeviceY(y);
        // Whatever still falls outside the destination raster is clipped off.
        int skipX = std::max(0, -dx), skipY = std::max(0, -dy);
        int copyW = std::min(width, to->width() - dx) - skipX;
        int copyH = std::min(height, to->height() - dy) - skipY;
        for (int row = 0; row < copyH && copyW > 0; ++row) {
            std::memcpy(to->Row(dy + skipY + row) + dx + skipX,
                        from->Row(sourceY + skipY + row) + sourceX + skipX,
                        size_t(copyW) * sizeof(uint32_t));
        }
    }
    if (to) ReleaseSurface();
    if (from) source->ReleaseSurface();
}

int vWinDC::FontHeight(int& ascent, int& descent) {
    if (vTextRenderer* text = vCurrentTextRenderer()) {
        text->Metrics(font_, ascent, descent);
    } else {
        ascent = 5;
        descent = 3;
    }
    return ascent + descent;
}

int vWinDC::TextExtent(const char* text) {
    vTextRenderer* renderer = vCurrentTextRenderer();
    return renderer && text ? renderer->Width(font_, text) : 0;
}

void vWinDC::WriteText(int x, int y, const char* text) { WriteStyledText(x, y, text, 0); }
