#include "framework/draw/ink.h"
#include "framework/draw/pen_stroke.h"
#include "framework/draw/surface_lease.h"
#include "framework/draw/win_dc.h"

namespace {

vPoint Diagonal(vPoint point) { return {point.x + 1, point.y + 1}; }

}  // namespace

std::vector<vPoint> vWinDC::DevicePoints(const vPoint* points, int count) const {
    std::vector<vPoint> device;
    if (!points || count <= 0) return device;
    device.reserve(size_t(count));
    for (int i = 0; i < count; ++i) device.push_back(DevicePoint(points[i].x, points[i].y));
    return device;
}

void vWinDC::Stroke(const vPen& pen, const vInk& ink, const Trace& trace) {
    if (pen.GetStyle() == vTransparent) return;
    vSurfaceLease surface(*this);
    if (!surface) return;
    vPenStroke stroke(surface->Width(), surface->Height(), pen);
    trace(stroke);
    ink.Paint(*surface, stroke.Covered());
}

void vWinDC::PaintLine(int x1, int y1, int x2, int y2) {
    Stroke(pen_, vInk::ForPen(pen_), [&](vPenStroke& stroke) {
        stroke.Line(DevicePoint(x1, y1), DevicePoint(x2, y2));
    });
}

void vWinDC::PaintSegments(const vLine* segments, int count) {
    if (!segments || count <= 0) return;
    Stroke(pen_, vInk::ForPen(pen_), [&](vPenStroke& stroke) {
        for (int i = 0; i < count; ++i) {
            const vLine& segment = segments[i];
            stroke.Line(DevicePoint(segment.x1, segment.y1), DevicePoint(segment.x2, segment.y2));
        }
    });
}

void vWinDC::PaintPolyline(const vPoint* points, int count) {
    if (!points || count < 2) return;
    Stroke(pen_, vInk::ForPen(pen_),
           [&](vPenStroke& stroke) { stroke.Polyline(DevicePoints(points, count)); });
}

// A dot is a line one step down and to the right, so its size follows the pen.
void vWinDC::PaintDot(int x, int y) {
    Stroke(pen_, vInk::ForPen(pen_), [&](vPenStroke& stroke) {
        vPoint dot = DevicePoint(x, y);
        stroke.Line(dot, Diagonal(dot));
    });
}

void vWinDC::PaintDots(const vPoint* points, int count) {
    if (!points || count <= 0) return;
    Stroke(pen_, vInk::ForPen(pen_), [&](vPenStroke& stroke) {
        for (vPoint dot : DevicePoints(points, count)) stroke.Line(dot, Diagonal(dot));
    });
}

void vWinDC::XorLine(int x1, int y1, int x2, int y2) {
    Stroke(pen_, vInk::Inverting(), [&](vPenStroke& stroke) {
        stroke.SymmetricLine(DevicePoint(x1, y1), DevicePoint(x2, y2));
    });
}

void vWinDC::XorDot(int x, int y) {
    Stroke(pen_, vInk::Inverting(), [&](vPenStroke& stroke) {
        vPoint dot = DevicePoint(x, y);
        stroke.SymmetricLine(dot, Diagonal(dot));
    });
}
