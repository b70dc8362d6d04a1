#pragma once

#include "core/height_field.h"

// Mirror directions: which half is copied, reversed, onto the other.
inline constexpr int kMirrorLeftToRight = 1;
inline constexpr int kMirrorRightToLeft = 2;
inline constexpr int kMirrorTopToBottom = 3;
inline constexpr int kMirrorBottomToTop = 4;

// Flip directions: exchange the halves, reversed.
inline constexpr int kFlipLeftRight = 0;
inline constexpr int kFlipTopBottom = 1;

// The tile operations always work on the whole field and write single positions, each
// drawn at once. A source without a value gives its destination no value. The middle
// column or row of an odd size stays in place.
void Mirror(HeightField& field, int direction);
void Flip(HeightField& field, int direction);
