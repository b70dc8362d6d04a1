#include "framework/look/text_width.h"

namespace {

// Characters 32 to 126, blank first.
constexpr unsigned char kCharWidths[95] = {
    2, 2, 3, 4, 4, 5, 3, 2, 3, 3, 3, 4, 2, 3, 2, 3,  // 32-47
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 2, 2, 4, 4, 4, 4,  // 48-63
    6, 5, 5, 5, 5, 5, 4, 5, 5, 2, 4, 4, 4, 6, 5, 5,  // 64-79
    5, 5, 5, 5, 5, 5, 5, 7, 4, 5, 4, 3, 3, 3, 4, 4,  // 80-95
    3, 4, 4, 4, 4, 4, 2, 4, 4, 2, 2, 4, 2, 5, 4, 4,  // 96-111
    4, 4, 3, 4, 2, 4, 4, 5, 4, 4, 4, 3, 2, 3, 5,     // 112-126
};

}  // namespace

int vDialogCharWidth(unsigned char c) {
    if (c < 32 || c > 126) return 4;
    return kCharWidths[c - 32];
}

int vDialogTextWidth(std::string_view text) {
    int width = 0;
    for (char c : text) width += vDialogCharWidth(static_cast<unsigned char>(c));
    return width;
}
