#pragma once

#include <memory>

#include "core/field_rows.h"
#include "core/height_field.h"

// Replaces each target by the mean of the (2 radius + 1)^2 window around it, clipped to
// the field, in place: rows above the current one are already smoothed when its means
// are taken, rows below are not, and the row itself is written only when finished.
// Samples are read from the stored colour (the blue byte, or the low 16 bits), so a
// position without a value counts as the kind's maximum. A negative radius counts as 0.
void Smooth(HeightField& field, int area, int radius);

// The same smoothing of rows handed on to a write, holding only the 2 radius + 2 rows
// that the window of the row being smoothed reads; the bytes are the in-place sweep's.
std::unique_ptr<FieldRows> SmoothedRows(FieldRows& from, int area, int radius);
