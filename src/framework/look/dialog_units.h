#pragma once

#include <string_view>

#include "framework/draw/font.h"

class vTextRenderer;

// Dialog units: layout arithmetic stays in them, pixels come out at the end. A
// horizontal unit is a quarter of the dialog font's average character width, a
// vertical unit an eighth of its height.
struct vDialogUnits {
    int charWidth = 6;
    int charHeight = 13;

    int X(int units) const { return units * charWidth / 4; }
    int Y(int units) const { return units * charHeight / 8; }
};

// The font of dialogs and bars (a sans-serif face at 8 points).
vFont vDialogFont();
// Units from a text renderer's metrics of the dialog font; the defaults without one.
vDialogUnits vMeasureDialogUnits(vTextRenderer* text);
// Pixel width of text in the dialog font; 0 without a text renderer.
int vDialogTextPixels(vTextRenderer* text, std::string_view shown);
