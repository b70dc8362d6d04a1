#pragma once

#include <array>

#include "framework/draw/color.h"

// A table of 256 colours through which fields are shown and in which an
// 8-bit field stores its values (an entry's blue byte is the value read back).
using Palette = std::array<vColor, 256>;

// The built-in table: fifteen ramps of sixteen entries, then 240 and fifteen copies of
// (239, 239, 255).
Palette DefaultPalette();
