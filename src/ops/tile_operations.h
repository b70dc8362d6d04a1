#pragma once

#include "core/field_rows.h"
#include "core/height_field.h"

// Mirror directions: which half is copied, reversed, onto the other.
enum class MirrorDirection { LeftToRight, RightToLeft, TopToBottom, BottomToTop };

// Flip directions: exchange the halves, reversed.
enum class FlipDirection { LeftRight, TopBottom };

// The tile operations always work on the whole field and write single positions, each
// drawn at once. A source without a value gives its destination no value. The middle
// column or row of an odd size stays in place.
void Mirror(HeightField& field, MirrorDirection direction);
void Flip(HeightField& field, FlipDirection direction);

// The left-right flip as the edit of rows handed on to a write.
RowEdit FlipLeftRightEdit(const FieldRows& rows);
