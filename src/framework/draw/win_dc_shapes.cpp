#include "framework/draw/win_dc.h"

// Placeholder bodies until the rasteriser lands.
void vWinDC::WriteStyledText(int, int, const char*, int) {}
void vWinDC::PaintEllipse(int, int, int, int) {}
void vWinDC::PaintIcon(int, int, const vIcon&) {}
void vWinDC::PaintLine(int, int, int, int) {}
void vWinDC::PaintSegments(const vLine*, int) {}
void vWinDC::PaintPolyline(const vPoint*, int) {}
void vWinDC::PaintDot(int, int) {}
void vWinDC::PaintDots(const vPoint*, int) {}
void vWinDC::PaintPolygon(int, const vPoint*, int) {}
void vWinDC::PaintRoundBox(int, int, int, int, int) {}
void vWinDC::PaintBox(int, int, int, int) {}
void vWinDC::PaintBoxes(const vRect*, int) {}
void vWinDC::XorLine(int, int, int, int) {}
void vWinDC::XorEllipse(int, int, int, int) {}
void vWinDC::XorDot(int, int) {}
void vWinDC::XorBox(int, int, int, int) {}
