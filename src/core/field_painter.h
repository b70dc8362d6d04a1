#pragma once

// What the screen must show while the field changes. The canvas draws on its surface;
// the batch tool keeps this base, which shows nothing.
class FieldPainter {
public:
    virtual ~FieldPainter() = default;

    virtual void DrawRow(int /*y*/) {}
    virtual void DrawPoint(int /*x*/, int /*y*/) {}
    // Copy the visible part of the working image onto the view.
    virtual void RefreshView() {}
    // The field was replaced: clear the view's drawing surface.
    virtual void ClearSurface() {}
};
