#include "framework/platform/text_blit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/draw/raster.h"

namespace {

uint32_t Blend(uint32_t under, uint32_t over, int coverage) {
    if (coverage >= 255) return over;
    uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int a = int((under >> shift) & 0xFF), b = int((over >> shift) & 0xFF);
        result |= uint32_t(a + (b - a) * coverage / 255) << shift;
    }
    return result;
}

void Plot(Raster& raster, int x, int y, int coverage, uint32_t foreground,
          uint32_t background, bool opaque) {
    if (!raster.Contains(x, y)) return;
    if (opaque) {
        raster.Set(x, y, Blend(background, foreground, coverage));
    } else if (coverage > 0) {
        raster.Set(x, y, Blend(raster.At(x, y), foreground, coverage));
    }
}

void BlitStraight(Raster& raster, int x, int top, const vTextMask& mask, uint32_t foreground,
                  uint32_t background, bool opaque) {
    for (int row = 0; row < mask.height; ++row) {
        for (int col = 0; col < mask.width; ++col) {
            Plot(raster, x + col, top + row, mask.At(col, row), foreground, background, opaque);
        }
    }
}

// Walks the turned box's bounding rectangle and samples the mask backwards, so the
// turned text has no holes.
void BlitTurned(Raster& raster, int x, int top, const vTextMask& mask, int angle,
                uint32_t foreground, uint32_t background, bool opaque) {
    double radians = angle * std::numbers::pi / 180.0;
    double c = std::cos(radians), s = std::sin(radians);
    // Screen y grows downwards, so a counter-clockwise turn maps (u, v) to
    // (u c + v s, -u s + v c).
    double xs[4], ys[4];
    const double us[4] = {0, double(mask.width), 0, double(mask.width)};
    const double vs[4] = {0, 0, double(mask.height), double(mask.height)};
    for (int i = 0; i < 4; ++i) {
        xs[i] = us[i] * c + vs[i] * s;
        ys[i] = -us[i] * s + vs[i] * c;
    }
    int minX = int(std::floor(*std::min_element(xs, xs + 4)));
    int maxX = int(std::ceil(*std::max_element(xs, xs + 4)));
    int minY = int(std::floor(*std::min_element(ys, ys + 4)));
    int maxY = int(std::ceil(*std::max_element(ys, ys + 4)));
    for (int dy = minY; dy <= maxY; ++dy) {
        for (int dx = minX; dx <= maxX; ++dx) {
            double px = dx + 0.5, py = dy + 0.5;
            int u = int(std::floor(px * c - py * s));
            int v = int(std::floor(px * s + py * c));
            if (u < 0 || v < 0 || u >= mask.width || v >= mask.height) continue;
            Plot(raster, x + dx, top + dy, mask.At(u, v), foreground, background, opaque);
        }
    }
}

}  // namespace

void vBlitTextMask(Raster& raster, int x, int top, const vTextMask& mask, int angle,
                   uint32_t foreground, uint32_t background, bool opaque) {
    if (mask.width <= 0 || mask.height <= 0) return;
    angle %= 360;
    if (angle == 0) {
        BlitStraight(raster, x, top, mask, foreground, background, opaque);
    } else {
        BlitTurned(raster, x, top, mask, angle, foreground, background, opaque);
    }
}
