#pragma once

#include <cstddef>
#include <cstdint>
#include <thread>

// A 32-bit raster: the pixels behind every drawing context. Each pixel holds a packed
// vColor value; the rasteriser writes exactly the values it is given. A new or resized
// raster reads as all zero.
class Raster {
public:
    static constexpr uint32_t kOutside = 0xFFFFFFFF;

    Raster() = default;
    Raster(int width, int height) { Resize(width, height); }
    Raster(const Raster& other);
    Raster(Raster&& other) noexcept { Swap(other); }
    Raster& operator=(const Raster& other);
    Raster& operator=(Raster&& other) noexcept;
    ~Raster();

    // Returns false (and keeps the old pixels) when the size cannot be held.
    bool Resize(int width, int height);
    // For a caller that rewrites every pixel: a size of no more pixels than now, keeping
    // the memory and what it holds, so no fresh pages are faulted in; memory past the
    // new size goes back to the system. False, changing nothing, for a larger size.
    bool Reshape(int width, int height);

    // A new size that keeps the pixels still inside it at their places and fills the rest
    // with `fill`. When the new size fits the memory the raster has (a view whose scroll
    // bars come and go changes by a bar's width), the rows move within it and no fresh
    // pages are faulted in. Returns false (and keeps the old pixels) when the size cannot
    // be held.
    bool ResizeKeeping(int width, int height, uint32_t fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return count_ == 0; }

    bool Contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    uint32_t At(int x, int y) const { return Contains(x, y) ? pixels_[Index(x, y)] : kOutside; }
    void Set(int x, int y, uint32_t pixel) {
        if (Contains(x, y)) pixels_[Index(x, y)] = pixel;
    }

    uint32_t* Row(int y) { return pixels_ + std::size_t(y) * std::size_t(width_); }
    const uint32_t* Row(int y) const { return pixels_ + std::size_t(y) * std::size_t(width_); }
    uint32_t* Data() { return pixels_; }
    const uint32_t* Data() const { return pixels_; }

    void Fill(uint32_t pixel);

    void Swap(Raster& other) noexcept;

private:
    std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }
    void ReleasePixels();
    // Waits for the thread making the pages of a large raster, before they are unmapped.
    void FinishMakingPages();

    int width_ = 0;
    int height_ = 0;
    std::size_t count_ = 0;
    std::size_t mapped_ = 0;  // bytes mapped for the pixels; 0 when they come from the heap
    uint32_t* pixels_ = nullptr;
    std::thread makingPages_;
};

inline void swap(Raster& a, Raster& b) noexcept { a.Swap(b); }
