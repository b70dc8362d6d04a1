#include "framework/platform/sdl/sdl_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

#include "framework/platform/sdl/font_finder.h"
#include "framework/platform/text_blit.h"

namespace {

constexpr int kDotsPerInch = 96;

int PixelSize(const vFont& font) { return std::clamp(font.GetPointSize() * kDotsPerInch / 72, 1, 1000); }

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        size_t extra = byte < 0x80 ? 0 : (byte & 0xE0) == 0xC0 ? 1 : (byte & 0xF0) == 0xE0 ? 2 : (byte & 0xF8) == 0xF0 ? 3 : 9;
        if (extra == 9 || i + extra >= text.size()) return false;
        for (size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

// Texts that are not UTF-8 are taken as Latin-1, the encoding of the framework's names.
std::string AsUtf8(std::string_view text) {
    if (IsUtf8(text)) return std::string(text);
    std::string converted;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            converted += c;
        } else {
            converted += char(0xC0 | (byte >> 6));
            converted += char(0x80 | (byte & 0x3F));
        }
    }
    return converted;
}

}  // namespace

vSdlText::~vSdlText() { Close(); }

void vSdlText::Close() {
    for (auto& [key, font] : fonts_) {
        if (font) TTF_CloseFont(font);
    }
    fonts_.clear();
}

bool vSdlText::Open(std::string& error) {
    vFontFace face = vFindFontFace(vFont(vFontSansSerif, 10));
    if (face.file.empty()) {
        error = "no font found (fontconfig knows no sans-serif face; install fonts-dejavu-core)";
        return false;
    }
    TTF_Font* probe = TTF_OpenFont(face.file.c_str(), 13);
    if (!probe) {
        error = "cannot open the font " + face.file + ": " + TTF_GetError();
        return false;
    }
    TTF_CloseFont(probe);
    fallbackFile_ = face.file;
    return true;
}

TTF_Font* vSdlText::OpenFace(const std::string& file, int pixels, int style) {
    TTF_Font* font = file.empty() ? nullptr : TTF_OpenFont(file.c_str(), pixels);
    if (!font) font = TTF_OpenFont(fallbackFile_.c_str(), pixels);
    if (font) TTF_SetFontStyle(font, style);
    return font;
}

TTF_Font* vSdlText::FontFor(const vFont& font) {
    Key key{font.GetFamily(), PixelSize(font), font.IsBold(), font.IsItalic(), font.GetUnderlined() != 0};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    vFontFace face = vFindFontFace(font);
    int style = TTF_STYLE_NORMAL;
    if (font.IsBold() && !face.bold) style |= TTF_STYLE_BOLD;
    if (font.IsItalic() && !face.italic) style |= TTF_STYLE_ITALIC;
    if (font.GetUnderlined()) style |= TTF_STYLE_UNDERLINE;
    TTF_Font* opened = OpenFace(face.file, PixelSize(font), style);
    fonts_[key] = opened;
    return opened;
}

void vSdlText::Metrics(const vFont& font, int& ascent, int& descent) {
    TTF_Font* face = FontFor(font);
    ascent = face ? TTF_FontAscent(face) : 5;
    descent = face ? -TTF_FontDescent(face) : 3;
}

int vSdlText::Width(const vFont& font, std::string_view text) {
    TTF_Font* face = FontFor(font);
    if (!face || text.empty()) return 0;
    int width = 0, height = 0;
    if (TTF_SizeUTF8(face, AsUtf8(text).c_str(), &width, &height) != 0) return 0;
    return width;
}

void vSdlText::Draw(Raster& raster, int x, int top, const vFont& font, std::string_view text,
                    uint32_t foreground, uint32_t background, bool opaque) {
    TTF_Font* face = FontFor(font);
    if (!face || text.empty()) return;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(face, AsUtf8(text).c_str(), SDL_Color{255, 255, 255, 255});
    if (!rendered) return;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb) return;
    int ascent = 0, descent = 0;
    Metrics(font, ascent, descent);
    vTextMask mask;
    mask.Reset(argb->w, std::min(argb->h, ascent + descent));
    SDL_LockSurface(argb);
    for (int row = 0; row < mask.height; ++row) {
        const auto* pixels = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + row * argb->pitch);
        for (int col = 0; col < mask.width; ++col) mask.At(col, row) = uint8_t(pixels[col] >> 24);
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    vBlitTextMask(raster, x, top, mask, font.GetAngle(), foreground, background, opaque);
}
