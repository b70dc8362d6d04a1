#include "framework/draw/ink.h"

#include <algorithm>

#include "framework/draw/raster.h"

namespace {

bool IsHatchStyle(int style) { return style >= vHorizontalHatch && style <= vDiagonalCrossHatch; }

}  // namespace

vInk vInk::ForPen(const vPen& pen) {
    if (pen.GetStyle() == vTransparent) return vInk(Kind::None, 0, 0);
    return Solid(pen.GetColor().Pixel());
}

vInk vInk::ForBrush(const vBrush& brush) {
    int style = brush.GetStyle();
    if (style == vTransparent) return vInk(Kind::None, 0, 0);
    if (IsHatchStyle(style)) return vInk(Kind::Hatch, brush.GetColor().Pixel(), style);
    return Solid(brush.GetColor().Pixel());
}

bool HatchCovers(int style, int x, int y) {
    int column = x & 7, row = y & 7;
    bool horizontal = row == 0;
    bool vertical = column == 0;
    bool forward = ((x - y) & 7) == 0;   // falls to the right
    bool backward = ((x + y) & 7) == 7;  // rises to the right
    switch (style) {
        case vHorizontalHatch: return horizontal;
        case vVerticalHatch: return vertical;
        case vFDiagonalHatch: return forward;
        case vBDiagonalHatch: return backward;
        case vCrossHatch: return horizontal || vertical;
        case vDiagonalCrossHatch: return forward || backward;
        default: return true;
    }
}

void vInk::PaintSpan(uint32_t* row, const Span& span) const {
    switch (kind_) {
        case Kind::None:
            break;
        case Kind::Solid:
            std::fill(row + span.x0, row + span.x1, pixel_);
            break;
        case Kind::Invert:
            for (int x = span.x0; x < span.x1; ++x) row[x] ^= pixel_;
            break;
        case Kind::Hatch:
            for (int x = span.x0; x < span.x1; ++x) {
                if (HatchCovers(hatch_, x, span.y)) row[x] = pixel_;
            }
            break;
    }
}

void vInk::Paint(Raster& raster, Coverage& coverage) const {
    if (!Visible()) return;
    for (const Span& span : coverage.Merged()) {
        // A coverage made for another size must not write past this raster.
        if (span.y >= raster.Height()) break;
        Span clipped{span.y, span.x0, std::min(span.x1, raster.Width())};
        if (clipped.x0 < clipped.x1) PaintSpan(raster.Row(span.y), clipped);
    }
}
