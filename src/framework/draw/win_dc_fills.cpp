#include "framework/draw/ink.h"
#include "framework/draw/pen_stroke.h"
#include "framework/draw/polygon_fill.h"
#include "framework/draw/surface_lease.h"
#include "framework/draw/win_dc.h"

// Without a pen the outline is still traced, one pixel wide, and painted with the
// brush: a shape covers the same pixels whether or not it is outlined.
void vWinDC::FillShape(const Region& inside, const Trace& outline) {
    SurfaceLease surface(*this);
    if (!surface) return;
    Ink brushInk = Ink::ForBrush(brush_);
    Coverage covered(surface->width(), surface->height());
    inside(covered);
    brushInk.Paint(*surface, covered);
    bool outlined = pen_.GetStyle() != vTransparent;
    PenStroke stroke(surface->width(), surface->height(), outlined ? pen_ : vPen());
    outline(stroke);
    (outlined ? Ink::ForPen(pen_) : brushInk).Paint(*surface, stroke.Covered());
}

// The last entry only repeats the first corner to close the figure.
void vWinDC::PaintPolygon(int count, const vPoint* points, int fillMode) {
    std::vector<vPoint> corners = DevicePoints(points, count - 1);
    if (corners.size() < 2) return;
    FillRule rule = fillMode == vAlternate ? FillRule::EvenOdd : FillRule::NonzeroWinding;
    FillShape([&](Coverage& inside) { FillPolygon(inside, corners, rule); },
              [&](PenStroke& stroke) { stroke.ClosedPath(corners); });
}
