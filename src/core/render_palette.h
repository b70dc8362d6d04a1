#pragma once

#include "core/height_field.h"

// Repaints an 8-bit field's working image with the palette: each position takes the
// entry its blue byte names, so values stay as they were while the display colours
// change. A position without a value stays without one (white); painting it with an
// entry would turn missing data into a height. The view is refreshed after each row.
// A repaint is a commit: the undo image holds the repainted field afterwards.
void RenderPalette(HeightField& field, const Palette& palette);
