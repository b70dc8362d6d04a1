#pragma once

#include <string>

#include "core/height_field.h"
#include "ops/selection.h"

// Expand 2X doubles the field, Srink 2X halves it.
enum class ZoomMode { Expand, Shrink };

enum class ZoomOutcome { kDone, kTooLarge, kTooSmall, kNoMemory };

// Doubles the field in both directions, filling new positions by interpolation, or
// halves it by keeping every second position of every second row. The expand writes
// the new field once, into the one new image it makes; the shrink builds it inside the
// old image's memory. Either way the zoom ends committed, the undo image equal to the
// working image. The selection, when given, is
// scaled with the field and a chosen polygon is drawn into the new mask. A field that
// would outgrow HeightField's bounds, or shrink to nothing, is refused unchanged; so is
// an expand for which memory runs out.
ZoomOutcome Zoom(HeightField& field, ZoomMode mode, FieldSelection* selection);

// The message for a zoom of the field refused with outcome, empty for kDone.
std::string ZoomMessage(ZoomOutcome outcome, const HeightField& field);
