#pragma once

#include <cstdint>
#include <string_view>

#include "framework/draw/font.h"

class Raster;

// Text is drawn by whoever knows fonts: the platform owns the renderer, and a drawing
// context is handed it (or finds it through the view it draws on). Without one, a
// context measures text as empty and draws none, so memory images never depend on it.
class vTextRenderer {
public:
    virtual ~vTextRenderer() = default;

    virtual void Metrics(const vFont& font, int& ascent, int& descent) = 0;
    virtual int Width(const vFont& font, std::string_view text) = 0;
    // Draws one line whose top-left corner is (x, top); opaque fills the text's box
    // with background first. Pixels outside the raster are skipped.
    virtual void Draw(Raster& raster, int x, int top, const vFont& font, std::string_view text,
                      uint32_t foreground, uint32_t background, bool opaque) = 0;
};
