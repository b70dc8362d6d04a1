#pragma once

#include <cstdint>

#include "framework/draw/brush.h"
#include "framework/draw/coverage.h"
#include "framework/draw/pen.h"

class Raster;

// What painting does to the covered pixels: set them to a colour (everywhere, or only
// along a hatch pattern), invert them, or leave them alone.
class vInk {
public:
    static vInk ForPen(const vPen& pen);
    static vInk ForBrush(const vBrush& brush);
    static vInk Solid(uint32_t pixel) { return vInk(Kind::Solid, pixel, 0); }
    // Exclusive-or with white: drawing the same pixels twice restores them.
    static vInk Inverting() { return vInk(Kind::Invert, 0xFFFFFF, 0); }

    bool Visible() const { return kind_ != Kind::None; }
    void Paint(Raster& raster, Coverage& coverage) const;

private:
    enum class Kind { None, Solid, Hatch, Invert };

    vInk(Kind kind, uint32_t pixel, int hatch) : kind_(kind), pixel_(pixel), hatch_(hatch) {}
    void PaintSpan(uint32_t* row, const Span& span) const;

    Kind kind_;
    uint32_t pixel_;
    int hatch_;
};

// Whether a hatch brush style marks the surface pixel (x, y). Hatches repeat every
// 8 pixels from the surface's origin, so neighbouring shapes line up.
bool HatchCovers(int style, int x, int y);
