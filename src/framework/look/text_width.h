#pragma once

#include <string_view>

// Width of a text in dialog units by the fixed per-character table the layout uses,
// so that sizes never depend on the font actually installed.
int DialogCharWidth(unsigned char c);
int DialogTextWidth(std::string_view text);
