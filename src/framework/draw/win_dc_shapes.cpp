#include "framework/draw/win_dc.h"

// Placeholder bodies until the rasteriser lands.
void vWinDC::WriteStyledText(int, int, const char*, int) {}
void vWinDC::PaintIcon(int, int, const vIcon&) {}
