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
    if (made_) FillPixels(raster_.data(), backColor_.pixel(), std::size_t(width_) * std::size_t(height_));
}

void TarnMemoryDC::CopyImageFrom(const TarnMemoryDC& other) {
    if (!made_ || !other.made_ || other.width_ != width_ || other.height_ != height_) return;
    CopyPixelRun(raster_.data(), other.raster_.data(), std::size_t(width_) * std::size_t(height_));
}

uint32_t TarnMemoryDC::SmoothAverage(int x, int y, int r, bool wide) const {
    // 64-bit sums: a wide window of 65537 or more no-value samples would wrap 32 bits.
    uint64_t sum = 0;
    uint64_t count = 0;
    const int64_t radius = std::max(r, 0);
    int top = int(std::max<int64_t>(y - radius, 0));
    int bottom = int(std::min<int64_t>(y + radius, height_ - 1));
    int left = int(std::max<int64_t>(x - radius, 0));
    int right = int(std::min<int64_t>(x + radius, width_ - 1));
    for (int row = top; row <= bottom; ++row) {
        const uint32_t* pixels = raster_.Row(row);
        for (int col = left; col <= right; ++col) {
            sum += wide ? pixels[col] & 0xFFFF : (pixels[col] >> 16) & 0xFF;
            ++count;
        }
    }
    if (count == 0) return 0;
    return uint32_t(std::min<uint64_t>(sum / count, wide ? 0xFFFF : 0xFF));
}
