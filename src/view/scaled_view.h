#pragma once

#include <climits>

#include "core/height_field.h"
#include "framework/draw/geometry.h"
#include "framework/draw/raster.h"
#include "render/reduced_field.h"
#include "view/view_scale.h"

// A band of view rows, first to end - 1.
struct ViewRows {
    int first = 0;
    int end = INT_MAX;
};

// Draws the field into a view at a scale other than 1:1, with `offset` the field position
// at the view's top-left corner. Zoomed out, a pixel shows the mean of its block's values
// through the palette (from the reduced copy, which must be current for the scale's
// level), a block without any value white; magnified, every position is a block of its
// own colour. The view beyond the field is white. Only the given rows are drawn.
void DrawScaledView(const HeightField& field, const KnollReducedField& reduced, const KnollViewScale& scale,
                    vPoint offset, Raster& view, ViewRows rows = {});
