#include "framework/canvas/canvas_pane.h"

// The pane's drawing operations go to its drawing context as they are.

void vCanvasPane::EraseArea(int x, int y, int width, int height) {
    if (dc_) dc_->EraseArea(x, y, width, height);
}

void vCanvasPane::BlitFrom(vMemoryDC* source, int x, int y, int sourceX, int sourceY, int width,
                           int height) {
    if (dc_) dc_->BlitFrom(source, x, y, sourceX, sourceY, width, height);
}

void vCanvasPane::WriteStyledText(int x, int y, const char* text, int attributes) {
    if (dc_) dc_->WriteStyledText(x, y, text, attributes);
}

void vCanvasPane::WriteText(int x, int y, const char* text) {
    if (dc_) dc_->WriteText(x, y, text);
}

void vCanvasPane::PaintEllipse(int x, int y, int width, int height) {
    if (dc_) dc_->PaintEllipse(x, y, width, height);
}

void vCanvasPane::PaintIcon(int x, int y, const vIcon& icon) {
    if (dc_) dc_->PaintIcon(x, y, icon);
}

void vCanvasPane::PaintLine(int x1, int y1, int x2, int y2) {
    if (dc_) dc_->PaintLine(x1, y1, x2, y2);
}

void vCanvasPane::PaintSegments(const vLine* segments, int count) {
    if (dc_) dc_->PaintSegments(segments, count);
}

void vCanvasPane::PaintPolyline(const vPoint* points, int count) {
    if (dc_) dc_->PaintPolyline(points, count);
}

void vCanvasPane::PaintPixelStrip(int x, int y, int count, const vColor* colors) {
    if (dc_) dc_->PaintPixelStrip(x, y, count, colors);
}

void vCanvasPane::PaintDot(int x, int y) {
    if (dc_) dc_->PaintDot(x, y);
}

void vCanvasPane::PaintDots(const vPoint* points, int count) {
    if (dc_) dc_->PaintDots(points, count);
}

void vCanvasPane::PaintPolygon(int count, const vPoint* points, int fillMode) {
    if (dc_) dc_->PaintPolygon(count, points, fillMode);
}

void vCanvasPane::PaintBox(int x, int y, int width, int height) {
    if (dc_) dc_->PaintBox(x, y, width, height);
}

void vCanvasPane::PaintBoxes(const vRect* rects, int count) {
    if (dc_) dc_->PaintBoxes(rects, count);
}

void vCanvasPane::PaintRoundBox(int x, int y, int width, int height, int radius) {
    if (dc_) dc_->PaintRoundBox(x, y, width, height, radius);
}

void vCanvasPane::XorLine(int x1, int y1, int x2, int y2) {
    if (dc_) dc_->XorLine(x1, y1, x2, y2);
}

void vCanvasPane::XorEllipse(int x, int y, int width, int height) {
    if (dc_) dc_->XorEllipse(x, y, width, height);
}

void vCanvasPane::XorBox(int x, int y, int width, int height) {
    if (dc_) dc_->XorBox(x, y, width, height);
}

vBrush vCanvasPane::CurrentBrush() { return dc_ ? dc_->CurrentBrush() : vBrush(); }

void vCanvasPane::UseBrush(const vBrush& brush) {
    if (dc_) dc_->UseBrush(brush);
}

vFont vCanvasPane::CurrentFont() { return dc_ ? dc_->CurrentFont() : vFont(); }

void vCanvasPane::UseFont(const vFont& font) {
    if (dc_) dc_->UseFont(font);
}

int vCanvasPane::TextExtent(const char* text) { return dc_ ? dc_->TextExtent(text) : 0; }

int vCanvasPane::FontHeight(int& ascent, int& descent) {
    if (dc_) return dc_->FontHeight(ascent, descent);
    ascent = descent = 0;
    return 0;
}

void vCanvasPane::SetZoom(int multiplier, int divisor) {
    if (dc_) dc_->SetZoom(multiplier, divisor);
}

void vCanvasPane::GetZoom(int& multiplier, int& divisor) {
    multiplier = divisor = 1;
    if (dc_) dc_->GetZoom(multiplier, divisor);
}

void vCanvasPane::SetBackColor(const vColor& color) {
    if (dc_) dc_->SetBackColor(color);
}

void vCanvasPane::UsePen(const vPen& pen) {
    if (dc_) dc_->UsePen(pen);
}
