#pragma once

#include "framework/draw/dc.h"
#include "framework/draw/raster.h"

// Holds a drawing context's surface for one drawing operation, so that no operation
// leaves it acquired, whichever way it returns.
class vSurfaceLease {
public:
    explicit vSurfaceLease(vDC& dc) : dc_(dc), surface_(dc.AcquireSurface()) {}
    ~vSurfaceLease() {
        if (surface_) dc_.ReleaseSurface();
    }
    vSurfaceLease(const vSurfaceLease&) = delete;
    vSurfaceLease& operator=(const vSurfaceLease&) = delete;

    explicit operator bool() const { return surface_ != nullptr; }
    Raster& operator*() const { return *surface_; }
    Raster* operator->() const { return surface_; }

private:
    vDC& dc_;
    Raster* surface_;
};
