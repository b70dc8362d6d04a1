#pragma once

#include <cstdint>
#include <string_view>

#include "framework/draw/font.h"

class Raster;

// Text is drawn by whoever knows fonts: the window framework installs a renderer at
// start-up. Without one, drawing contexts measure text as empty and draw none, so
// memory images never depend on it.
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

void vSetTextRenderer(vTextRenderer* renderer);
vTextRenderer* vCurrentTextRenderer();
