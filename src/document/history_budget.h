#pragma once

#include <cstddef>

// How much data the history may keep: so many images of the field (four bytes a
// position), or a fixed number of bytes.
struct HistoryBudget {
    double images = 1.0;
    size_t bytes = 0;  // when not 0, instead of images

    size_t BytesFor(int width, int height) const {
        if (bytes > 0) return bytes;
        return size_t(images * double(width) * double(height) * 4.0);
    }
};
