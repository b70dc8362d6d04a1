#pragma once

#include "framework/draw/brush.h"
#include "framework/draw/color.h"
#include "framework/draw/font.h"
#include "framework/draw/geometry.h"
#include "framework/draw/icon.h"
#include "framework/draw/pen.h"

class Raster;
class vMemoryDC;

// The abstract drawing context. Coordinates are pixels before translation and scaling.
class vDC {
public:
    vDC() = default;
    vDC(const vDC&) = delete;
    vDC& operator=(const vDC&) = delete;
    virtual ~vDC() = default;

    virtual void Erase() = 0;
    virtual void EraseArea(int x, int y, int width, int height) = 0;
    virtual void BlitFrom(vMemoryDC* /*source*/, int /*x*/, int /*y*/, int /*sourceX*/,
                          int /*sourceY*/, int /*width*/, int /*height*/) {}
    virtual void WriteStyledText(int x, int y, const char* text, int attributes) = 0;
    virtual void WriteText(int x, int y, const char* text) = 0;
    virtual void PaintEllipse(int x, int y, int width, int height) = 0;
    virtual void PaintIcon(int /*x*/, int /*y*/, const vIcon& /*icon*/) {}
    virtual void PaintLine(int x1, int y1, int x2, int y2) = 0;
    virtual void PaintSegments(const vLine* segments, int count) = 0;
    virtual void PaintPolyline(const vPoint* points, int count) = 0;
    virtual void PaintPixelStrip(int x, int y, int count, const vColor* colors) = 0;
    virtual void PaintDot(int x, int y) = 0;
    virtual void PaintDots(const vPoint* points, int count) = 0;
    virtual void PaintPolygon(int count, const vPoint* points, int fillMode) = 0;
    virtual void PaintRoundBox(int x, int y, int width, int height, int radius) = 0;
    virtual void PaintBox(int x, int y, int width, int height) = 0;
    virtual void PaintBoxes(const vRect* rects, int count) = 0;
    virtual void XorLine(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}
    virtual void XorEllipse(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void XorDot(int /*x*/, int /*y*/) {}
    virtual void XorBox(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}

    virtual int SurfaceHeight() { return 0; }
    virtual int SurfaceWidth() { return 0; }

    virtual void SetBackColor(const vColor& color) { backColor_ = color; }
    virtual void SetZoom(int multiplier, int divisor);
    virtual void GetZoom(int& multiplier, int& divisor) const {
        multiplier = scaleMultiplier_;
        divisor = scaleDivisor_;
    }

    virtual void UseFont(const vFont& font) { font_ = font; }
    virtual vFont CurrentFont() const { return font_; }
    virtual void UsePen(const vPen& pen) { pen_ = pen; }
    virtual vPen CurrentPen() const { return pen_; }
    virtual void UseBrush(const vBrush& brush) { brush_ = brush; }
    virtual vBrush CurrentBrush() const { return brush_; }

    virtual int FontHeight(int& ascent, int& descent) { ascent = descent = 0; return 0; }
    virtual int TextExtent(const char* /*text*/) { return 0; }

    virtual int ScaleCoord(int v) const {
        return scaleActive_ ? v * scaleMultiplier_ / scaleDivisor_ : v;
    }

    // The raster drawn on; null when the context has none (yet).
    virtual Raster* AcquireSurface() { return nullptr; }
    virtual void OpenPaint() {}
    virtual void ClosePaint() {}
    virtual void ReleaseSurface() {}

    void SetTranslate(int x, int y) { translateX_ = x; translateY_ = y; }
    void GetTranslate(int& x, int& y) const { x = translateX_; y = translateY_; }
    vColor GetBackColor() const { return backColor_; }

protected:
    int scaleMultiplier_ = 1;
    int scaleDivisor_ = 1;
    bool scaleActive_ = false;
    int translateX_ = 0;
    int translateY_ = 0;
    vBrush brush_;
    vFont font_;
    vPen pen_;
    vColor backColor_{255, 255, 255};
};
