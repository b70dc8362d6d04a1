#pragma once

#include <cstdint>

#include "framework/draw/memory_dc.h"

// A memory image of the height field with direct, inlined pixel access for the engine.
// The raster is made at construction; a size that cannot be held leaves it empty
// (valid() is false) and every read and write a no-op.
class TarnMemoryDC : public vMemoryDC {
public:
    TarnMemoryDC(int width, int height);

    bool valid() const { return made_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The caller keeps (x, y) inside the image.
    uint32_t ReadPixel(int x, int y) const { return raster_.Row(y)[x]; }
    const uint32_t* RowPixels(int y) const { return raster_.Row(y); }
    // For readers that fill a whole row at once; a row of vColor through
    // PaintPixelStrip would cost them twice the stores.
    uint32_t* MutableRowPixels(int y) { return raster_.Row(y); }
    const Raster& raster() const { return raster_; }

    // A smaller size in the same memory, the pixels left as they lie (see Raster::Reshape).
    bool Reshape(int width, int height);

    // The whole image in the background colour, or a copy of an image of the same size.
    void Erase() override;
    void CopyImageFrom(const TarnMemoryDC& other);
};
