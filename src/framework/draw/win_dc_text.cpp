#include <utility>

#include "framework/draw/surface_lease.h"
#include "framework/draw/text_renderer.h"
#include "framework/draw/win_dc.h"

namespace {

constexpr int kInverse = 0x1;
constexpr int kSelected = 0x2;

// Selected text: white on a strong blue, as selected entries in lists show.
constexpr vColor kSelectionText(255, 255, 255);
constexpr vColor kSelectionBack(0, 120, 215);

}  // namespace

int vWinDC::FontHeight(int& ascent, int& descent) {
    if (vTextRenderer* text = TextRenderer()) {
        text->Metrics(font_, ascent, descent);
    } else {
        ascent = 5;
        descent = 3;
    }
    return ascent + descent;
}

int vWinDC::TextExtent(const char* text) {
    vTextRenderer* renderer = TextRenderer();
    return renderer && text ? renderer->Width(font_, text) : 0;
}

void vWinDC::WriteText(int x, int y, const char* text) { WriteStyledText(x, y, text, 0); }

// (x, y) is the bottom-left corner of the line. A transparent pen leaves the background
// showing through, except for inverse and selected text, which would not show without it.
void vWinDC::WriteStyledText(int x, int y, const char* text, int attributes) {
    vTextRenderer* renderer = TextRenderer();
    if (!renderer || !text || !*text) return;
    vSurfaceLease surface(*this);
    if (!surface) return;
    int ascent = 0, descent = 0;
    renderer->Metrics(font_, ascent, descent);
    vColor fore = pen_.GetColor(), back = backColor_;
    if (attributes & kSelected) {
        fore = kSelectionText;
        back = kSelectionBack;
    }
    if (attributes & kInverse) std::swap(fore, back);
    bool opaque = pen_.GetStyle() != vTransparent || (attributes & (kInverse | kSelected)) != 0;
    renderer->Draw(*surface, DeviceX(x), DeviceY(y) - (ascent + descent), font_, text, fore.Pixel(),
                   back.Pixel(), opaque);
}
