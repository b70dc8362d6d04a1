#include "framework/draw/raster.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "framework/draw/fresh_pages.h"

namespace {

// Large rasters (a field image is 64 MiB and more) are mapped straight from the kernel on
// 2 MiB boundaries. Making their pages costs several times a copy of the same size, so
// another thread makes them from the last page back while the caller, who writes a new
// raster whole right after making it, faults in its own from the first. Memory past a
// smaller size goes back at once (Reshape).
//
// Huge pages are not asked for. Asked for, they make fresh memory several times cheaper
// while the kernel has free 2 MiB blocks at hand, but when it must first gather them a
// large image stalls for a second or more. Unasked, a kernel that uses huge pages for
// every process still gives them to the aligned mapping when it has them free, and
// never stalls to find them. Small rasters come from calloc.
constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kMappedFrom = kHugePage;

std::size_t MappedBytes(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

void* MapAligned(std::size_t bytes) {
    const std::size_t length = MappedBytes(bytes);
    void* mapped = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    auto start = reinterpret_cast<std::uintptr_t>(mapped);
    std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) munmap(mapped, aligned - start);
    std::uintptr_t end = start + length + kHugePage;
    if (end > aligned + length) munmap(reinterpret_cast<void*>(aligned + length), end - aligned - length);
    return reinterpret_cast<void*>(aligned);
}

// Zeroed pixels, or nullptr when memory runs out; mapped is set to the bytes mapped.
uint32_t* Allocate(std::size_t count, std::size_t& mapped) {
    const std::size_t bytes = count * sizeof(uint32_t);
    mapped = 0;
    if (bytes < kMappedFrom) return static_cast<uint32_t*>(std::calloc(count, sizeof(uint32_t)));
    void* pixels = MapAligned(bytes);
    if (pixels) mapped = MappedBytes(bytes);
    return static_cast<uint32_t*>(pixels);
}

void Release(uint32_t* pixels, std::size_t mapped) {
    if (!pixels) return;
    if (mapped > 0) {
        munmap(pixels, mapped);
    } else {
        std::free(pixels);
    }
}

}  // namespace

Raster::Raster(const Raster& other) {
    if (Resize(other.width_, other.height_) && count_ > 0) {
        std::memcpy(pixels_, other.pixels_, count_ * sizeof(uint32_t));
    }
}

Raster& Raster::operator=(const Raster& other) {
    if (this != &other) {
        Raster copy(other);
        Swap(copy);
    }
    return *this;
}

Raster& Raster::operator=(Raster&& other) noexcept {
    Raster taken(std::move(other));
    Swap(taken);
    return *this;
}

Raster::~Raster() { ReleasePixels(); }

void Raster::ReleasePixels() {
    FinishMakingPages();
    Release(pixels_, mapped_);
}

void Raster::FinishMakingPages() {
    if (makingPages_.joinable()) makingPages_.join();
}

void Raster::Swap(Raster& other) noexcept {
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(count_, other.count_);
    std::swap(mapped_, other.mapped_);
    std::swap(pixels_, other.pixels_);
    std::swap(makingPages_, other.makingPages_);
}

bool Raster::Resize(int width, int height) {
    if (width < 0 || height < 0) return false;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    uint32_t* pixels = nullptr;
    std::size_t mapped = 0;
    if (count > 0) {
        if (count > SIZE_MAX / sizeof(uint32_t)) return false;
        pixels = Allocate(count, mapped);
        if (!pixels) return false;
    }
    ReleasePixels();
    if (mapped > 0) makingPages_ = MakePagesAside(pixels, mapped);
    pixels_ = pixels;
    count_ = count;
    mapped_ = mapped;
    width_ = width;
    height_ = height;
    return true;
}

bool Raster::ResizeKeeping(int width, int height, uint32_t fill) {
    if (width < 0 || height < 0) return false;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    const std::size_t capacity = mapped_ > 0 ? mapped_ / sizeof(uint32_t) : count_;
    const int keepW = std::min(width, width_), keepH = std::min(height, height_);
    if (count == 0 || count > capacity) {
        Raster resized;
        if (!resized.Resize(width, height)) return false;
        for (int row = 0; keepW > 0 && row < keepH; ++row) {
            std::memcpy(resized.Row(row), Row(row), std::size_t(keepW) * sizeof(uint32_t));
        }
        Swap(resized);
    } else {
        // Narrower rows move towards the start, wider ones away from it: each in the order
        // that never overwrites a row not yet moved.
        auto move = [&](int row) {
            std::memmove(pixels_ + std::size_t(row) * std::size_t(width),
                         pixels_ + std::size_t(row) * std::size_t(width_), std::size_t(keepW) * sizeof(uint32_t));
        };
        if (width <= width_) {
            for (int row = 0; row < keepH; ++row) move(row);
        } else {
            for (int row = keepH - 1; row >= 0; --row) move(row);
        }
        width_ = width;
        height_ = height;
        count_ = count;
    }
    // Only what was not kept takes the fill, so fresh memory is written once.
    for (int row = 0; row < keepH; ++row) std::fill(Row(row) + keepW, Row(row) + width, fill);
    std::fill(pixels_ + std::size_t(keepH) * std::size_t(width), pixels_ + count, fill);
    return true;
}

bool Raster::Reshape(int width, int height) {
    if (width < 0 || height < 0) return false;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    if (count > count_) return false;
    const std::size_t kept = std::max(MappedBytes(count * sizeof(uint32_t)), kHugePage);
    if (mapped_ > kept) {
        FinishMakingPages();
        munmap(reinterpret_cast<char*>(pixels_) + kept, mapped_ - kept);
        mapped_ = kept;
    }
    count_ = count;
    width_ = width;
    height_ = height;
    return true;
}

void Raster::Fill(uint32_t pixel) { std::fill(pixels_, pixels_ + count_, pixel); }
