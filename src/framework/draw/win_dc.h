#pragma once

#include <functional>
#include <vector>

#include "framework/draw/dc.h"

class Coverage;
class vInk;
class vPenStroke;
class vTextRenderer;

// The drawing rules shared by screen and memory contexts, drawn by our own rasteriser
// into whatever raster AcquireSurface gives.
class vWinDC : public vDC {
public:
    void Erase() override;
    void EraseArea(int x, int y, int width, int height) override;
    void BlitFrom(vMemoryDC* source, int x, int y, int sourceX, int sourceY, int width,
                  int height) override;
    void WriteStyledText(int x, int y, const char* text, int attributes) override;
    void WriteText(int x, int y, const char* text) override;
    void PaintEllipse(int x, int y, int width, int height) override;
    void PaintIcon(int x, int y, const vIcon& icon) override;
    void PaintLine(int x1, int y1, int x2, int y2) override;
    void PaintSegments(const vLine* segments, int count) override;
    void PaintPolyline(const vPoint* points, int count) override;
    void PaintPixelStrip(int x, int y, int count, const vColor* colors) override;
    void PaintDot(int x, int y) override;
    void PaintDots(const vPoint* points, int count) override;
    void PaintPolygon(int count, const vPoint* points, int fillMode) override;
    void PaintRoundBox(int x, int y, int width, int height, int radius) override;
    void PaintBox(int x, int y, int width, int height) override;
    void PaintBoxes(const vRect* rects, int count) override;
    void XorLine(int x1, int y1, int x2, int y2) override;
    void XorEllipse(int x, int y, int width, int height) override;
    void XorDot(int x, int y) override;
    void XorBox(int x, int y, int width, int height) override;

    int SurfaceHeight() override { return height_; }
    int SurfaceWidth() override { return width_; }

    int FontHeight(int& ascent, int& descent) override;
    int TextExtent(const char* text) override;

    // What measures and draws the text; a context on a view finds it through the view.
    void UseTextRenderer(vTextRenderer* renderer) { text_ = renderer; }
    virtual vTextRenderer* TextRenderer() { return text_; }

protected:
    // Device coordinates: translated, then scaled.
    int DeviceX(int x) const { return ScaleCoord(x + translateX_); }
    int DeviceY(int y) const { return ScaleCoord(y + translateY_); }
    vPoint DevicePoint(int x, int y) const { return {DeviceX(x), DeviceY(y)}; }
    std::vector<vPoint> DevicePoints(const vPoint* points, int count) const;

    int width_ = 0;   // memory contexts only; 0 for screen contexts
    int height_ = 0;

private:
    using Trace = std::function<void(vPenStroke&)>;
    vTextRenderer* text_ = nullptr;
    using Region = std::function<void(Coverage&)>;

    // Paints with `ink` what `trace` walks with `pen`.
    void Stroke(const vPen& pen, const vInk& ink, const Trace& trace);
    // Fills `inside` with the brush, then outlines with the pen.
    void FillShape(const Region& inside, const Trace& outline);
    void PaintRectangle(int x, int y, int width, int height);
};
