#pragma once

#include <cstdint>

#include "framework/draw/raster.h"
#include "framework/draw/win_dc.h"

// An off-screen image that keeps every 24-bit value exactly as written.
class vMemoryDC : public vWinDC {
public:
    static constexpr int kFallbackSize = 400;

    // A width or height of 0 takes defaultSize's: the application's default window
    // size (vApp::DefaultWindowSize()) where there is an application.
    explicit vMemoryDC(int width = 0, int height = 0, vSize defaultSize = {kFallbackSize, kFallbackSize});

    Raster* AcquireSurface() override;

    // Reads 0xFFFFFFFF outside the image (or when it could not be made).
    uint32_t GetPixel(int x, int y) const { return raster_.At(x, y); }

protected:
    Raster raster_;
    bool made_ = false;
};
