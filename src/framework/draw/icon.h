#pragma once

// An icon over bits owned by the caller. Rows run top to bottom:
// depth 1: ceil(width / 8) bytes a row, the least significant bit the leftmost pixel;
// depth 8: one byte (palette size - 1), the palette as red, green, blue triples, then
//          width x height palette indexes;
// depth 24: width x height red, green, blue triples.
// With the transparent flag, pixels of the bottom-left pixel's colour are not drawn.
struct vIcon {
    const unsigned char* bits = nullptr;
    int height = 0;
    int width = 0;
    int depth = 1;
    bool transparent = false;
};
