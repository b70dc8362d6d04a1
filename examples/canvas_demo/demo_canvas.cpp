#include "demo_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// A terrain-like pattern: rings of colour over a slope, with a grid every 256 pixels.
vColor ImageColor(int x, int y) {
    double ring = std::sin(std::hypot(x - 1024.0, y - 1024.0) / 40.0) * 0.5 + 0.5;
    auto red = unsigned(60 + 150 * ring);
    auto green = unsigned((x * 255) / DemoCanvas::kImageSize);
    auto blue = unsigned((y * 255) / DemoCanvas::kImageSize);
    if (x % 256 == 0 || y % 256 == 0) return vColor(255, 255, 255);
    return vColor(red, green, blue);
}

int ScaleTop(int offset, int range) { return range > 0 ? std::clamp(offset * 100 / range, 0, 100) : 0; }

}  // namespace

DemoCanvas::DemoCanvas() : image_(kImageSize, kImageSize) { FillImage(); }

void DemoCanvas::FillImage() {
    std::vector<vColor> row(kImageSize);
    for (int y = 0; y < kImageSize; ++y) {
        for (int x = 0; x < kImageSize; ++x) row[size_t(x)] = ImageColor(x, y);
        image_.PaintPixelStrip(0, y, kImageSize, row.data());
    }
}

int DemoCanvas::ViewWidth() { return std::max(PaneWidth() - kGalleryWidth, 0); }
int DemoCanvas::ViewHeight() { return std::max(PaneHeight() - kReportHeight, 0); }

bool DemoCanvas::InImage(int x, int y) {
    return x >= kGalleryWidth && x < kGalleryWidth + ViewWidth() && y < ViewHeight();
}

// ---- Repainting -----------------------------------------------------------------------------

void DemoCanvas::OnRedraw(int, int, int, int) {
    DrawGallery();
    DrawImageView();
    DrawReport();
}

void DemoCanvas::OnResize(int, int) { UpdateScrollBars(); }

void DemoCanvas::DrawGallery() {
    UsePen(vPen(0, 0, 0));
    UseBrush(vBrush(236, 236, 236));
    PaintBox(0, 0, kGalleryWidth - 1, ViewHeight() - 1);
    DrawOperationGallery(*this, 0, 0);
}

void DemoCanvas::DrawImageView() {
    if (ViewWidth() <= 0 || ViewHeight() <= 0) return;
    BlitFrom(&image_, kGalleryWidth, 0, offsetX_, offsetY_, ViewWidth(), ViewHeight());
    banding_ = false;
}

void DemoCanvas::DrawReport() {
    UsePen(vPen(0, 0, 0));
    UseBrush(vBrush(255, 255, 225));
    PaintBox(0, ViewHeight(), PaneWidth() - 1, kReportHeight - 1);
    UseFont(vFont(vFontSansSerif, 9));
    UsePen(vPen(0, 0, 0, 1, vTransparent));
    int ascent = 0, descent = 0;
    int line = FontHeight(ascent, descent);
    WriteText(6, ViewHeight() + (kReportHeight + line) / 2, report_.c_str());
}

// ---- Scrolling ------------------------------------------------------------------------------

void DemoCanvas::UpdateScrollBars() {
    bool wide = ViewWidth() < kImageSize, tall = ViewHeight() < kImageSize;
    ShowHScroll(wide);
    ShowVScroll(tall);
    offsetX_ = std::clamp(offsetX_, 0, std::max(kImageSize - ViewWidth(), 0));
    offsetY_ = std::clamp(offsetY_, 0, std::max(kImageSize - ViewHeight(), 0));
    SetHScroll(std::min(ViewWidth() * 100 / kImageSize, 100), ScaleTop(offsetX_, kImageSize - ViewWidth()));
    SetVScroll(std::min(ViewHeight() * 100 / kImageSize, 100), ScaleTop(offsetY_, kImageSize - ViewHeight()));
}

void DemoCanvas::OnHPage(int shown, int top) {
    offsetX_ = top * std::max(kImageSize - ViewWidth(), 0) / 100;
    SetHScroll(shown, top);
    DrawImageView();
}

void DemoCanvas::OnVPage(int shown, int top) {
    offsetY_ = top * std::max(kImageSize - ViewHeight(), 0) / 100;
    SetVScroll(shown, top);
    DrawImageView();
}

void DemoCanvas::OnHStep(int step) {
    int range = std::max(kImageSize - ViewWidth(), 0);
    offsetX_ = std::clamp(offsetX_ + step * kStepPixels, 0, range);
    int shown = 0, top = 0;
    GetHScroll(shown, top);
    SetHScroll(shown, ScaleTop(offsetX_, range));
    DrawImageView();
}

void DemoCanvas::OnVStep(int step) {
    int range = std::max(kImageSize - ViewHeight(), 0);
    offsetY_ = std::clamp(offsetY_ + step * kStepPixels, 0, range);
    int shown = 0, top = 0;
    GetVScroll(shown, top);
    SetVScroll(shown, ScaleTop(offsetY_, range));
    DrawImageView();
}

// ---- Mouse ----------------------------------------------------------------------------------

void DemoCanvas::Report(const char* what, int x, int y, int button) {
    char text[160];
    if (button == 0) {
        std::snprintf(text, sizeof(text), "%s  at %d,%d", what, x, y);
    } else if (InImage(x, y)) {
        std::snprintf(text, sizeof(text), "%s  button %d  at %d,%d  image %d,%d", what, button, x, y,
                      x - kGalleryWidth + offsetX_, y + offsetY_);
    } else {
        std::snprintf(text, sizeof(text), "%s  button %d  at %d,%d", what, button, x, y);
    }
    report_ = text;
    DrawReport();
}

// XOR lines take the current pen's style, and the report leaves a transparent pen
// behind, which would draw nothing.
void DemoCanvas::RubberBand() {
    UsePen(vPen(255, 255, 255));
    XorLine(bandX0_, bandY0_, bandX1_, bandY1_);
}

void DemoCanvas::OnMouseDown(int x, int y, int button) {
    Report("down", x, y, button);
    if (button != 1 || !InImage(x, y)) return;
    banding_ = true;
    bandX0_ = bandX1_ = x;
    bandY0_ = bandY1_ = y;
}

void DemoCanvas::OnMouseDrag(int x, int y, int button) {
    Report("drag", x, y, button);
    if (!banding_) return;
    RubberBand();
    bandX1_ = x;
    bandY1_ = y;
    RubberBand();
}

void DemoCanvas::OnMouseUp(int x, int y, int button) {
    Report("up", x, y, button);
    if (!banding_) return;
    RubberBand();
    banding_ = false;
    UsePen(vPen(255, 255, 0, 2));
    PaintLine(bandX0_, bandY0_, x, y);
}

void DemoCanvas::OnMouseHover(int x, int y) { Report("hover", x, y, 0); }
