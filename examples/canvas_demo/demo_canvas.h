#pragma once

#include <string>

#include "framework/canvas/canvas_pane.h"
#include "framework/draw/memory_dc.h"

// Left: every drawing operation of the canvas. Right: a view of a large image that
// the scroll bars move. Bottom: the last mouse event. A left drag over the image
// draws a rubber band with XOR lines.
class DemoCanvas : public vCanvasPane {
public:
    static constexpr int kGalleryWidth = 320;
    static constexpr int kReportHeight = 20;
    static constexpr int kImageSize = 2048;
    static constexpr int kStepPixels = 16;

    DemoCanvas();

    // Bars that fit the image view; called once the pane is in its window, and on
    // every size change.
    void UpdateScrollBars();

    void OnRedraw(int x, int y, int width, int height) override;
    void OnResize(int width, int height) override;
    void OnHPage(int shown, int top) override;
    void OnVPage(int shown, int top) override;
    void OnHStep(int step) override;
    void OnVStep(int step) override;
    void OnMouseDown(int x, int y, int button) override;
    void OnMouseUp(int x, int y, int button) override;
    void OnMouseDrag(int x, int y, int button) override;
    void OnMouseHover(int x, int y) override;

private:
    void FillImage();
    void DrawGallery();
    void DrawImageView();
    void DrawReport();
    void Report(const char* what, int x, int y, int button);
    int ViewWidth();
    int ViewHeight();
    bool InImage(int x, int y);
    void RubberBand();

    vMemoryDC image_;
    int offsetX_ = 0;
    int offsetY_ = 0;
    std::string report_ = "Move the mouse; drag over the image with the left button.";
    bool banding_ = false;
    int bandX0_ = 0, bandY0_ = 0, bandX1_ = 0, bandY1_ = 0;
};

// Draws the gallery of drawing operations into the area (x, y) of the canvas.
void DrawOperationGallery(vCanvasPane& canvas, int x, int y);
