#include "framework/canvas/canvas_pane_dc.h"

#include "framework/canvas/canvas_pane.h"

Raster* vCanvasPaneDC::AcquireSurface() {
    Raster& surface = pane_->Surface();
    return surface.IsEmpty() ? nullptr : &surface;
}

// The frame shows the change at the next display frame, also in the middle of work.
void vCanvasPaneDC::ReleaseSurface() { pane_->SurfaceChanged(); }

vTextRenderer* vCanvasPaneDC::TextRenderer() { return pane_->TextRenderer(); }

void vCanvasPaneDC::SetBackColor(const vColor& color) {
    backColor_ = color;
    Erase();
    pane_->OnRedraw(0, 0, 0, 0);
}

void vCanvasPaneDC::UseFont(const vFont& font) {
    font_ = font;
    pane_->OnFontChanged(font);
}
