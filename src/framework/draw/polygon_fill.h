#pragma once

#include <vector>

#include "framework/draw/coverage.h"
#include "framework/draw/geometry.h"

enum class FillRule { EvenOdd, NonzeroWinding };

// Adds the inside of the closed polygon through `corners` (device coordinates, the
// last corner joined back to the first). A pixel is inside when the point at its
// position is; points on a left or top edge count as inside, on a right or bottom edge
// as outside, so the outline drawn over it completes the shape.
void FillPolygon(Coverage& coverage, const std::vector<vPoint>& corners, FillRule rule);
