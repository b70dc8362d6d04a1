#pragma once

#include "core/height_field.h"

// Smooth with radius 1, by the same in-place rule as Smooth.
void SmoothRadiusOne(HeightField& field, int area);
