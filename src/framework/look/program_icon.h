#pragma once

#include "framework/draw/raster.h"

// The program's icon: a green knoll under a pale sky, vProgramIconSize pixels square.
// The frame shows it where the platform has room for one, windows in their caption.
inline constexpr int vProgramIconSize = 16;
const Raster& vProgramIcon();
