#include "framework/draw/raster.h"

#include <algorithm>
#include <new>

bool Raster::Resize(int width, int height) {
    if (width < 0 || height < 0) return false;
    try {
        std::vector<uint32_t> pixels(size_t(width) * size_t(height));
        pixels_.swap(pixels);
    } catch (const std::bad_alloc&) {
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void Raster::Fill(uint32_t pixel) { std::fill(pixels_.begin(), pixels_.end(), pixel); }
