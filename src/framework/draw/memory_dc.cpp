#include "framework/draw/memory_dc.h"

vMemoryDC::vMemoryDC(int width, int height, vSize defaultSize) {
    width_ = width == 0 ? defaultSize.w : width;
    height_ = height == 0 ? defaultSize.h : height;
}

Raster* vMemoryDC::AcquireSurface() {
    // The image is made on first use; one that cannot be made leaves drawing a no-op.
    if (!made_) made_ = raster_.Resize(width_, height_);
    return made_ ? &raster_ : nullptr;
}
