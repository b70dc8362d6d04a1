#include "framework/platform/sdl/font_finder.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

const char* FamilyName(int family) {
    switch (family) {
        case vFontDefaultSystem: case vFontDefaultFixed: case vFontFixed: return "monospace";
        case vFontSerif: return "serif";
        case vFontDecorative: return "Wingdings";
        default: return "sans-serif";
    }
}

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// A face without an italic or bold of its own is matched with the slant or weight asked
// for and a note that fontconfig's user should shear or embolden it; the text library
// does not read that note, so such a face counts as upright or normal.
bool Sheared(FcPattern* match) {
    FcMatrix* matrix = nullptr;
    return FcPatternGetMatrix(match, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix && matrix->xy != 0;
}

bool Emboldened(FcPattern* match) {
    FcBool embolden = FcFalse;
    return FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch && embolden;
}

vFontFace Match(const char* family, bool bold, bool italic) {
    vFontFace face;
    Pattern pattern(FcPatternCreate());
    if (!pattern) return face;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return face;
    face.file = reinterpret_cast<const char*>(file);
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
    face.bold = weight >= FC_WEIGHT_BOLD && !Emboldened(match.get());
    face.italic = slant != FC_SLANT_ROMAN && !Sheared(match.get());
    return face;
}

}  // namespace

vFontFace vFindFontFace(const vFont& font) {
    if (!FcInit()) return {};
    for (const char* family : {FamilyName(font.GetFamily()), "sans-serif", "DejaVu Sans"}) {
        vFontFace face = Match(family, font.IsBold(), font.IsItalic());
        if (!face.file.empty()) return face;
    }
    return {};
}
