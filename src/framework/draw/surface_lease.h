#pragma once

#include "framework/draw/dc.h"
#include "framework/draw/raster.h"

// Holds a drawing context's surface for one drawing operation, so that no operation
// leaves it acquired, whichever way it returns.
class SurfaceLease {
public:
    explicit SurfaceLease(vDC& dc) : dc_(dc), surface_(dc.AcquireSurface()) {}
    ~SurfaceLease() {
        if (surface_) dc_.ReleaseSurface();
    }
    SurfaceLease(const SurfaceLease&) = delete;
    SurfaceLease& operator=(const SurfaceLease&) = delete;

    explicit operator bool() const { return surface_ != nullptr; }
    Raster& operator*() const { return *surface_; }
    Raster* operator->() const { return surface_; }

private:
    vDC& dc_;
    Raster* surface_;
};
