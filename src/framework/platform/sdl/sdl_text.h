#pragma once

#include <map>
#include <string>
#include <tuple>

#include "framework/draw/text_renderer.h"

typedef struct _TTF_Font TTF_Font;

// Text through SDL2_ttf, with faces found by fontconfig. Point sizes become pixels at
// 96 dots per inch; bold and italic come from the face when it has them and are
// synthesised otherwise; a font that cannot be opened falls back to the sans-serif face.
class vSdlText : public vTextRenderer {
public:
    ~vSdlText() override;

    // Opens the sans-serif face once; false (with a reason) when no font can be found.
    bool Open(std::string& error);
    // Closes every face; the renderer must be closed before the text library ends.
    void Close();

    void Metrics(const vFont& font, int& ascent, int& descent) override;
    int Width(const vFont& font, std::string_view text) override;
    void Draw(Raster& raster, int x, int top, const vFont& font, std::string_view text,
              uint32_t foreground, uint32_t background, bool opaque) override;

private:
    using Key = std::tuple<int, int, int, int, int>;  // family, pixels, bold, italic, underline
    TTF_Font* FontFor(const vFont& font);
    TTF_Font* OpenFace(const std::string& file, int pixels, int style);

    std::map<Key, TTF_Font*> fonts_;
    std::string fallbackFile_;
};
