#pragma once

#include <string_view>

#include "framework/draw/dc.h"
#include "framework/draw/geometry.h"
#include "framework/platform/platform.h"

class Raster;

// The captioned box that windows, dialogs and the warning box are drawn as: a raised
// border, a caption with an optional icon and the title, and a close box. The box also
// reads the pointer on its caption: the close box acts when the button is released over
// it, a press elsewhere on the caption drags. Its owner holds the pointer capture and
// moves itself as the returned step says.
class vCaptionBox {
public:
    static constexpr int kBorder = 3;
    static constexpr int kCaptionHeight = 20;
    // The part of a dragged box that always stays inside the area it lives in.
    static constexpr int kReachable = 40;

    static int OuterWidth(int clientWidth) { return clientWidth + 2 * kBorder; }
    static int OuterHeight(int clientHeight) { return clientHeight + kCaptionHeight + 2 * kBorder; }
    static int ClientLeft() { return kBorder; }
    static int ClientTop() { return kBorder + kCaptionHeight; }
    // Rectangles relative to a box of that width.
    static vRect Caption(int width) { return {kBorder, kBorder, width - 2 * kBorder, kCaptionHeight}; }
    static vRect CloseBox(int width);

    void Paint(vDC& dc, int width, int height, std::string_view title, bool active,
               const Raster* icon = nullptr) const;

    // What a pointer event on the box (relative to it) meant to the caption.
    struct Step {
        bool used = false;     // the caption took the event
        bool capture = false;  // take the pointer capture
        bool release = false;  // give the pointer capture back
        bool close = false;    // the close box was clicked
        int dx = 0;            // move the box by this much
        int dy = 0;
    };
    Step Pointer(const vPlatformEvent& event, int width);
    // The press is over without a release (the capture was taken away).
    void CancelPress() { dragging_ = closePressed_ = false; }
    bool IsClosePressed() const { return closePressed_; }
    bool IsDragging() const { return dragging_; }

private:
    bool dragging_ = false;
    bool closePressed_ = false;
    int pressX_ = 0;
    int pressY_ = 0;
};

// The step that moves box by (dx, dy) but keeps kReachable pixels of its caption inside
// area, so that it can always be dragged back.
vPoint vReachableStep(const vRect& box, int dx, int dy, const vRect& area);
