#pragma once

#include <string_view>

// Width of a text in dialog units by the fixed per-character table the layout uses,
// so that sizes never depend on the font actually installed.
int vDialogCharWidth(unsigned char c);
int vDialogTextWidth(std::string_view text);
