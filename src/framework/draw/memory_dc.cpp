#include "framework/draw/memory_dc.h"

int vMemoryDC::defaultWidth = kFallbackSize;
int vMemoryDC::defaultHeight = kFallbackSize;

vMemoryDC::vMemoryDC(int width, int height) {
    width_ = width == 0 ? defaultWidth : width;
    height_ = height == 0 ? defaultHeight : height;
}

Raster* vMemoryDC::AcquireSurface() {
    // The image is made on first use; one that cannot be made leaves drawing a no-op.
    if (!made_) made_ = raster_.Resize(width_, height_);
    return made_ ? &raster_ : nullptr;
}
