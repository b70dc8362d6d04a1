#pragma once

#include <string>

#include "framework/draw/font.h"

// The face file fontconfig offers for a font description, and whether the face itself
// is bold or italic (so the rest can be synthesised). Empty when nothing matches.
struct vFontFace {
    std::string file;
    bool bold = false;
    bool italic = false;
};

// Families: fixed-pitch for 0, 1 and 5, serif for 3, a symbol face for 6, sans-serif
// otherwise. A family fontconfig cannot match falls back to sans-serif, then to
// "DejaVu Sans".
vFontFace vFindFontFace(const vFont& font);
