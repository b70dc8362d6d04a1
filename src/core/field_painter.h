#pragma once

#include <cstdint>

#include "framework/draw/geometry.h"

// What the screen must show while the field changes. The canvas draws on its surface;
// the batch tool keeps this base, which shows nothing.
class FieldPainter {
public:
    virtual ~FieldPainter() = default;

    // Row y is finished and shown; a painter that keeps a copy of the field takes it too.
    virtual void DrawRow(int /*y*/) {}
    // Row y changed without being drawn on its own (the view is refreshed whole, or the
    // row's positions are drawn one by one).
    virtual void RowChanged(int /*y*/) {}
    virtual void DrawPoint(int /*x*/, int /*y*/) {}
    // The positions the painter shows; points elsewhere need not be drawn. Operations
    // that draw single positions ask once, so a view of part of a large field does not
    // pay a call for every position it cannot show. This base shows none.
    virtual vRect ShownArea() const { return {0, 0, 0, 0}; }
    // Long work (a load, an erosion) has finished done of its total steps, for a painter
    // that says how far it got.
    virtual void Progress(int64_t /*done*/, int64_t /*total*/) {}
    // Whether the user asked long work to stop, asked after each Progress. Work that
    // can stop leaves the field as it was before it began.
    virtual bool StopRequested() { return false; }
    // Copy the visible part of the working image onto the view.
    virtual void RefreshView() {}
    // The field was replaced: clear the view's drawing surface.
    virtual void ClearSurface() {}
};
