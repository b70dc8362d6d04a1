#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/height_field.h"
#include "core/worker_pool.h"
#include "ops/pixel_codec.h"

// The field as erosion works on it: one float per position, so that the many small moves
// of material add up where whole values would lose them. Positions that take no part
// hold a mark below every height.
class ErosionGrid {
public:
    // A position without a value: a wall that nothing enters or leaves.
    static constexpr float kWall = -1.0f;
    // A position outside the area: nothing changes there, and what reaches it leaves.
    static constexpr float kOutside = -2.0f;

    static bool IsGround(float height) { return height >= 0.0f; }

    // The targets of area hold their values times scale. made() is false when memory
    // runs out for the copy.
    ErosionGrid(const HeightField& field, int area, float scale, WorkerPool& workers);

    bool made() const { return heights_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    float* Row(int y) { return heights_.get() + size_t(y) * size_t(width_); }
    const float* Row(int y) const { return heights_.get() + size_t(y) * size_t(width_); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    float& At(int x, int y) { return Row(y)[x]; }
    float At(int x, int y) const { return Row(y)[x]; }

    // The value a height stands for, rounded and held within the kind's range.
    int ValueOf(float height) const;

    // Writes row y into pixels: each position whose height rounds to another value than
    // `before` holds there takes the colour that stores that value; every other position
    // keeps its colour from `before`.
    void StoreRow(int y, const uint32_t* before, uint32_t* pixels) const;

private:
    void LoadRow(const HeightField& field, int area, float scale, int y);

    int width_;
    int height_;
    float unscale_;
    PixelCodec codec_;
    std::unique_ptr<float[]> heights_;
};
