#pragma once

#include "framework/draw/win_dc.h"

class vCanvasPane;

// The drawing context of a canvas pane. It draws into the pane's surface, which keeps
// its pixels between repaints, so whatever is drawn stays until drawn over; reading a
// pixel of the surface gives what the screen shows.
class vCanvasPaneDC : public vWinDC {
public:
    explicit vCanvasPaneDC(vCanvasPane* pane) : pane_(pane) {}

    Raster* AcquireSurface() override;
    void ReleaseSurface() override;
    void OpenPaint() override { painting_ = true; }
    void ClosePaint() override { painting_ = false; }
    vTextRenderer* TextRenderer() override;

    // Records the colour, erases the pane and asks it to redraw all of itself.
    void SetBackColor(const vColor& color) override;
    // Records the font and tells the pane.
    void UseFont(const vFont& font) override;

    bool IsPainting() const { return painting_; }

private:
    vCanvasPane* pane_;
    bool painting_ = false;
};
