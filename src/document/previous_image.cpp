#include "document/previous_image.h"

#include <sys/mman.h>

#include <algorithm>

PreviousImage::~PreviousImage() {
    if (pixels_) munmap(pixels_, mapped_);
}

bool PreviousImage::Fit(int width, int height) {
    if (width == width_ && height == height_) return true;
    const size_t bytes = size_t(width) * size_t(height) * sizeof(uint32_t);
    if (bytes > mapped_) {
        if (pixels_) munmap(pixels_, mapped_);
        pixels_ = nullptr;
        mapped_ = 0;
        width_ = height_ = 0;
        rows_.clear();
        void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (mapped == MAP_FAILED) return false;
        pixels_ = static_cast<uint32_t*>(mapped);
        mapped_ = bytes;
    }
    width_ = width;
    height_ = height;
    rows_.assign(size_t(height), kMissing);
    return true;
}

bool PreviousImage::Listen(HeightField& field, bool keepRows) {
    if (!Fit(field.width(), field.height())) return false;
    keepRows_ = keepRows;
    // A row written without being caught up with holds neither image.
    std::replace(rows_.begin(), rows_.end(), uint8_t(kWritten), uint8_t(kMissing));
    field.ListenToWrites(this);
    return true;
}

void PreviousImage::BeforeFirstWrite(int y, const uint32_t* pixels) {
    uint8_t& state = rows_[size_t(y)];
    if (!keepRows_) {
        state = kMissing;
        return;
    }
    if (state == kMissing) std::copy_n(pixels, width_, pixels_ + size_t(y) * size_t(width_));
    state = kWritten;
}

std::vector<int> PreviousImage::WrittenRows() const {
    std::vector<int> rows;
    for (size_t y = 0; y < rows_.size(); ++y) {
        if (rows_[y] == kWritten) rows.push_back(int(y));
    }
    return rows;
}

void PreviousImage::CatchUp(const TarnMemoryDC& image, const std::atomic<bool>& stop) {
    if (!Fit(image.width(), image.height())) return;
    for (int y = 0; y < height_ && !stop.load(std::memory_order_relaxed); ++y) {
        uint8_t& state = rows_[size_t(y)];
        if (state == kHeld) continue;
        std::copy_n(image.RowPixels(y), width_, pixels_ + size_t(y) * size_t(width_));
        state = kHeld;
    }
}
