#include "framework/draw/win_dc.h"

// Placeholder bodies until the rasteriser lands.
void vWinDC::WriteStyledText(int, int, const char*, int) {}
void vWinDC::PaintEllipse(int, int, int, int) {}
void vWinDC::PaintIcon(int, int, const vIcon&) {}
void vWinDC::PaintRoundBox(int, int, int, int, int) {}
void vWinDC::PaintBox(int, int, int, int) {}
void vWinDC::PaintBoxes(const vRect*, int) {}
void vWinDC::XorEllipse(int, int, int, int) {}
void vWinDC::XorBox(int, int, int, int) {}
