#pragma once

#include <string_view>

#include "framework/draw/font.h"

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
// Units from the installed text renderer's metrics of the dialog font.
vDialogUnits vCurrentDialogUnits();
// Pixel width of text in the dialog font; 0 while no text renderer is installed.
int vDialogTextPixels(std::string_view text);
