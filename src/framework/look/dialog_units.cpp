#include "framework/look/dialog_units.h"

#include <algorithm>

#include "framework/draw/text_renderer.h"

vFont vDialogFont() { return vFont(vFontSansSerif, 8); }

// The average character width is that of the 52 letters, rounded.
vDialogUnits vMeasureDialogUnits(vTextRenderer* renderer) {
    vDialogUnits units;
    if (!renderer) return units;
    vFont font = vDialogFont();
    int ascent = 0, descent = 0;
    renderer->Metrics(font, ascent, descent);
    int letters = renderer->Width(font, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    units.charWidth = std::max((letters / 26 + 1) / 2, 1);
    units.charHeight = std::max(ascent + descent, 1);
    return units;
}

int vDialogTextPixels(vTextRenderer* renderer, std::string_view shown) {
    return renderer ? renderer->Width(vDialogFont(), shown) : 0;
}
