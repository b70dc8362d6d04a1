#include "core/tarn_memory_dc.h"

#include <algorithm>

#include "core/pixel_streams.h"

TarnMemoryDC::TarnMemoryDC(int width, int height) : vMemoryDC(std::max(width, 0), std::max(height, 0)) {
    // Zero stays zero here: a field image never takes the default window size.
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    AcquireSurface();
}

bool TarnMemoryDC::Reshape(int width, int height) {
    if (!made_ || !raster_.Reshape(width, height)) return false;
    width_ = width;
    height_ = height;
    return true;
}

void TarnMemoryDC::Erase() {
    if (made_) FillPixels(raster_.Data(), backColor_.Pixel(), std::size_t(width_) * std::size_t(height_));
}

void TarnMemoryDC::CopyImageFrom(const TarnMemoryDC& other) {
    if (!made_ || !other.made_ || other.width_ != width_ || other.height_ != height_) return;
    CopyPixelRun(raster_.Data(), other.raster_.Data(), std::size_t(width_) * std::size_t(height_));
}
