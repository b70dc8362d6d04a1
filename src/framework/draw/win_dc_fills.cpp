#include <algorithm>

#include "framework/draw/ink.h"
#include "framework/draw/pen_stroke.h"
#include "framework/draw/polygon_fill.h"
#include "framework/draw/row_shape.h"
#include "framework/draw/surface_lease.h"
#include "framework/draw/win_dc.h"

namespace {

// A box covers one pixel more than its width and height: both corners are in it.
vBoxShape BoxBetween(vPoint corner, int64_t width, int64_t height) {
    int64_t x2 = corner.x + width, y2 = corner.y + height;
    return vBoxShape(std::min<int64_t>(corner.x, x2), std::min<int64_t>(corner.y, y2),
                    std::max<int64_t>(corner.x, x2), std::max<int64_t>(corner.y, y2));
}

// Ellipses and rounded boxes stop short of x + width and y + height.
struct Frame {
    int64_t x, y, width, height;
};

Frame FrameOf(vPoint corner, int64_t width, int64_t height) {
    Frame frame{corner.x, corner.y, width, height};
    if (width < 0) frame = {frame.x + width, frame.y, -width, frame.height};
    if (height < 0) frame = {frame.x, frame.y + height, frame.width, -height};
    return frame;
}

vEllipseShape EllipseIn(const Frame& frame) {
    return vEllipseShape(frame.x, frame.y, frame.width, frame.height);
}

}  // namespace

// Without a pen the outline is still traced, one pixel wide, and painted with the
// brush: a shape covers the same pixels whether or not it is outlined.
void vWinDC::FillShape(const Region& inside, const Trace& outline) {
    vSurfaceLease surface(*this);
    if (!surface) return;
    vInk brushInk = vInk::ForBrush(brush_);
    Coverage covered(surface->Width(), surface->Height());
    inside(covered);
    brushInk.Paint(*surface, covered);
    bool outlined = pen_.GetStyle() != vTransparent;
    vPenStroke stroke(surface->Width(), surface->Height(), outlined ? pen_ : vPen());
    outline(stroke);
    (outlined ? vInk::ForPen(pen_) : brushInk).Paint(*surface, stroke.Covered());
}

// The last entry only repeats the first corner to close the figure.
void vWinDC::PaintPolygon(int count, const vPoint* points, int fillMode) {
    if (!points || count < 3) return;
    std::vector<vPoint> corners = DevicePoints(points, count - 1);
    FillRule rule = fillMode == vAlternate ? FillRule::EvenOdd : FillRule::NonzeroWinding;
    FillShape([&](Coverage& inside) { FillPolygon(inside, corners, rule); },
              [&](vPenStroke& stroke) { stroke.ClosedPath(corners); });
}

void vWinDC::PaintBox(int x, int y, int width, int height) {
    if (width == 0 || height == 0) return;
    PaintRectangle(x, y, width, height);
}

void vWinDC::PaintBoxes(const vRect* rects, int count) {
    if (!rects) return;
    for (int i = 0; i < count; ++i) {
        const vRect& rect = rects[i];
        if (rect.w != 0 || rect.h != 0) PaintRectangle(rect.x, rect.y, rect.w, rect.h);
    }
}

void vWinDC::PaintRectangle(int x, int y, int width, int height) {
    vPoint corner = DevicePoint(x, y);
    int64_t deviceWidth = ScaleCoord(width), deviceHeight = ScaleCoord(height);
    if (deviceWidth == 1 && deviceHeight == 1) {
        // Outlined, it would be a 2 x 2 ring of pen; a single pixel of brush is meant.
        vSurfaceLease surface(*this);
        if (surface) surface->Set(corner.x, corner.y, brush_.GetColor().Pixel());
        return;
    }
    vBoxShape box = BoxBetween(corner, deviceWidth, deviceHeight);
    FillShape([&](Coverage& inside) { AddInside(inside, box); },
              [&](vPenStroke& stroke) { TraceEdge(stroke, box); });
}

void vWinDC::PaintRoundBox(int x, int y, int width, int height, int radius) {
    if (width == 0 || height == 0) return;
    int64_t deviceWidth = ScaleCoord(width), deviceHeight = ScaleCoord(height);
    // A negative radius asks for corners in proportion to the box.
    int64_t cornerSize = radius >= 0 ? ScaleCoord(radius)
                                     : (deviceWidth + deviceHeight) / (-2 * int64_t(radius));
    Frame frame = FrameOf(DevicePoint(x, y), deviceWidth, deviceHeight);
    vRoundBoxShape box(frame.x, frame.y, frame.width, frame.height, cornerSize, cornerSize);
    FillShape([&](Coverage& inside) { AddInside(inside, box); },
              [&](vPenStroke& stroke) { TraceEdge(stroke, box); });
}

void vWinDC::PaintEllipse(int x, int y, int width, int height) {
    if (width == 0 || height == 0) return;
    vEllipseShape ellipse = EllipseIn(FrameOf(DevicePoint(x, y), ScaleCoord(width), ScaleCoord(height)));
    FillShape([&](Coverage& inside) { AddInside(inside, ellipse); },
              [&](vPenStroke& stroke) { TraceEdge(stroke, ellipse); });
}

void vWinDC::XorBox(int x, int y, int width, int height) {
    if (width == 0 || height == 0) return;
    vBoxShape box = BoxBetween(DevicePoint(x, y), ScaleCoord(width), ScaleCoord(height));
    Stroke(pen_, vInk::Inverting(), [&](vPenStroke& stroke) { TraceEdge(stroke, box); });
}

void vWinDC::XorEllipse(int x, int y, int width, int height) {
    if (width == 0 || height == 0) return;
    vEllipseShape ellipse = EllipseIn(FrameOf(DevicePoint(x, y), ScaleCoord(width), ScaleCoord(height)));
    Stroke(pen_, vInk::Inverting(), [&](vPenStroke& stroke) { TraceEdge(stroke, ellipse); });
}
