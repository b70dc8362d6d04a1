#pragma once

#include <climits>

#include "core/height_field.h"
#include "framework/draw/geometry.h"
#include "framework/draw/raster.h"
#include "map/map_colours.h"
#include "map/reduced_field.h"
#include "map/view_scale.h"

// A band of view rows, first to end - 1.
struct ViewRows {
    int first = 0;
    int end = INT_MAX;
};

// Draws the field's map into a view at any scale, with `offset` the field position at the
// view's top-left corner. Zoomed out, a pixel shows the mean of its block's values through
// the map's colours (from the reduced copy, which must be current for the scale's level),
// a block without any value white; magnified, every position is a block of its own
// colour. The view beyond the field, and beyond the rows a load has stored so far, is
// white. Only the given rows are drawn. The relief of a row depends on the rows next to
// it, so a band drawn alone should reach one block row beyond the rows that changed.
void DrawScaledView(const HeightField& field, const KnollReducedField& reduced, const KnollViewScale& scale,
                    vPoint offset, Raster& view, ViewRows rows, const MapColours& colours);
