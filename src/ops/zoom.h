#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/field_rows.h"
#include "core/height_field.h"
#include "ops/selection.h"
#include "ops/zoom_colours.h"

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

// Whether a field of this size doubled stays within HeightField's bounds.
bool ExpandFits(int width, int height);

// Rows doubled, as the expand makes them, each made when it is asked for from the old
// rows it needs, each of those asked for once: a save can write them without the larger
// field ever being held. The old rows must fit (ExpandFits).
class ExpandedRows : public FieldRows {
public:
    explicit ExpandedRows(FieldRows& old);
    const uint32_t* Row(int y) override;
    std::string Failure() const override { return old_.Failure(); }

private:
    FieldRows& old_;
    const ZoomColours colours_;
    std::vector<uint32_t> even_, next_, odd_;
};
