#include "window_average.h"

#include <algorithm>

uint32_t WindowAverage(const TarnMemoryDC& image, int x, int y, int r, bool wide) {
    // 64-bit sums: a wide window of 65537 or more no-value samples would wrap 32 bits.
    uint64_t sum = 0;
    uint64_t count = 0;
    const int64_t radius = std::max(r, 0);
    int top = int(std::max<int64_t>(y - radius, 0));
    int bottom = int(std::min<int64_t>(y + radius, image.height() - 1));
    int left = int(std::max<int64_t>(x - radius, 0));
    int right = int(std::min<int64_t>(x + radius, image.width() - 1));
    for (int row = top; row <= bottom; ++row) {
        const uint32_t* pixels = image.RowPixels(row);
        for (int col = left; col <= right; ++col) {
            sum += wide ? pixels[col] & 0xFFFF : (pixels[col] >> 16) & 0xFF;
            ++count;
        }
    }
    if (count == 0) return 0;
    return uint32_t(std::min<uint64_t>(sum / count, wide ? 0xFFFF : 0xFF));
}
