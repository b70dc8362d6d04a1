#include "framework/draw/win_dc.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "framework/draw/memory_dc.h"
#include "framework/draw/raster.h"

namespace {

void FillRect(Raster& raster, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel) {
    int64_t x0 = std::max<int64_t>(x, 0), y0 = std::max<int64_t>(y, 0);
    int64_t x1 = std::min<int64_t>(x + width, raster.Width());
    int64_t y1 = std::min<int64_t>(y + height, raster.Height());
    for (int64_t row = y0; row < y1; ++row) {
        uint32_t* pixels = raster.Row(int(row));
        std::fill(pixels + x0, pixels + std::max(x0, x1), pixel);
    }
}

// Copies columns x rows pixels; whatever would fall outside the destination is left out.
// Source and destination may be the same raster.
void CopyPixels(const Raster& from, int64_t left, int64_t top, Raster& to, int64_t x, int64_t y,
                int64_t columns, int64_t rows) {
    int64_t skipX = std::max<int64_t>(0, -x), skipY = std::max<int64_t>(0, -y);
    columns = std::min(columns, to.Width() - x) - skipX;
    rows = std::min(rows, to.Height() - y) - skipY;
    if (columns <= 0 || rows <= 0) return;
    // Copying downwards within one raster must start at the bottom.
    bool bottomUp = &from == &to && y > top;
    for (int64_t i = 0; i < rows; ++i) {
        int64_t row = bottomUp ? rows - 1 - i : i;
        uint32_t* target = to.Row(int(y + skipY + row)) + x + skipX;
        const uint32_t* origin = from.Row(int(top + skipY + row)) + left + skipX;
        std::memmove(target, origin, size_t(columns) * sizeof(uint32_t));
    }
}

}  // namespace

// Erasing ignores translation and scaling: it always covers the surface itself.
void vWinDC::Erase() {
    if (Raster* surface = AcquireSurface()) {
        surface->Fill(backColor_.Pixel());
        ReleaseSurface();
    }
}

void vWinDC::EraseArea(int x, int y, int width, int height) {
    if (width == 0 || height == 0) return;
    if (Raster* surface = AcquireSurface()) {
        FillRect(*surface, x, y, width, height, backColor_.Pixel());
        ReleaseSurface();
    }
}

void vWinDC::PaintPixelStrip(int x, int y, int count, const vColor* colors) {
    if (y < 0 || count <= 0 || colors == nullptr) return;
    Raster* surface = AcquireSurface();
    if (!surface) return;
    int64_t dx = DeviceX(x), dy = DeviceY(y);
    if (dy >= 0 && dy < surface->Height()) {
        int64_t first = std::max<int64_t>(0, -dx);
        int64_t last = std::min<int64_t>(count, surface->Width() - dx);
        uint32_t* row = surface->Row(int(dy));
        for (int64_t i = first; i < last; ++i) row[dx + i] = colors[i].Pixel();
    }
    ReleaseSurface();
}

// The copy is cut to the source and, for a context with a size of its own, to that size
// (both in unscaled pixels), then to the destination raster.
void vWinDC::BlitFrom(vMemoryDC* source, int x, int y, int sourceX, int sourceY, int width,
                      int height) {
    if (!source) return;
    Raster* from = source->AcquireSurface();
    Raster* to = AcquireSurface();
    if (from && to) {
        int64_t left = std::max(sourceX, 0), top = std::max(sourceY, 0);
        int64_t columns = width <= 0 ? from->Width() : width;
        int64_t rows = height <= 0 ? from->Height() : height;
        columns = std::min(columns, from->Width() - left);
        rows = std::min(rows, from->Height() - top);
        if (width_ > 0) columns = std::min(columns, int64_t(width_) - x);
        if (height_ > 0) rows = std::min(rows, int64_t(height_) - y);
        CopyPixels(*from, left, top, *to, DeviceX(x), DeviceY(y), columns, rows);
    }
    if (to) ReleaseSurface();
    if (from) source->ReleaseSurface();
}
