#pragma once

#include <cstdint>

#include "framework/draw/raster.h"
#include "framework/draw/win_dc.h"

// An off-screen image that keeps every 24-bit value exactly as written.
class vMemoryDC : public vWinDC {
public:
    // A width or height of 0 takes the application's default window size.
    explicit vMemoryDC(int width = 0, int height = 0);

    Raster* AcquireSurface() override;

    // Reads 0xFFFFFFFF outside the image (or when it could not be made).
    uint32_t GetPixel(int x, int y) const { return raster_.At(x, y); }

    // The application's default window size, set by the framework at start-up and put
    // back to kFallbackSize square when the application ends, so the next one in the
    // same process starts as the first did.
    static constexpr int kFallbackSize = 400;
    static int defaultWidth;
    static int defaultHeight;
    static void ResetDefaultSize() { defaultWidth = defaultHeight = kFallbackSize; }

protected:
    Raster raster_;
    bool made_ = false;
};
