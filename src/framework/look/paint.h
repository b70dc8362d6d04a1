#pragma once

#include <string>
#include <string_view>

#include "framework/draw/color.h"
#include "framework/draw/dc.h"
#include "framework/draw/geometry.h"

// Small drawing steps shared by controls, bars, menus and dialogs. Rectangles are
// pixel boxes: x, y and exactly w by h pixels.
namespace vPaint {

void Fill(vDC& dc, const vRect& r, const vColor& color);
void HLine(vDC& dc, int x, int y, int length, const vColor& color);
void VLine(vDC& dc, int x, int y, int length, const vColor& color);
void Frame(vDC& dc, const vRect& r, const vColor& color);

// Two-pixel 3-D edges: raised looks like an unpressed button, sunken like a field.
void RaisedEdge(vDC& dc, const vRect& r);
void SunkenEdge(vDC& dc, const vRect& r);
// One-pixel sunken edge: shadow at the top and left, highlight at the bottom and right.
void ThinSunkenEdge(vDC& dc, const vRect& r);
void DottedFrame(vDC& dc, const vRect& r);

// Text in the dialog font, transparent background. Returns the width drawn.
int TextWidth(vDC& dc, std::string_view text);
int LineHeight(vDC& dc);
void Text(vDC& dc, int x, int top, std::string_view text, const vColor& color);
// The text, cut with "..." so that it fits in width pixels.
std::string Clipped(vDC& dc, std::string_view text, int width);
void TextCentered(vDC& dc, const vRect& r, std::string_view text, const vColor& color);
// Centred when it fits; never draws outside r.
void TextInBox(vDC& dc, const vRect& r, std::string_view text, const vColor& color);
// Draws a label whose "&" marks the next letter as its mnemonic: the "&" is not
// shown and the letter is underlined ("&&" shows one "&").
void MnemonicText(vDC& dc, int x, int top, std::string_view text, const vColor& color, bool underline);
int MnemonicTextWidth(vDC& dc, std::string_view text);

enum vArrowDirection { vArrowUp, vArrowDown, vArrowLeft, vArrowRight };
void Arrow(vDC& dc, const vRect& r, vArrowDirection direction, const vColor& color);
void CheckMark(vDC& dc, const vRect& r, const vColor& color);

}  // namespace vPaint
