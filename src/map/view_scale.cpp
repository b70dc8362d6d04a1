#include "map/view_scale.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

// Rounds towards minus infinity, so pixels left of the view map left of the offset.
int64_t FloorDivide(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int64_t RoundUp(int64_t value, int64_t block) { return (value + block - 1) / block * block; }

}  // namespace

void KnollViewScale::SetLevel(int level) {
    level_ = std::clamp(level, kSmallestLevel, kLargestLevel);
    positions_ = level_ < 0 ? 1 << -level_ : 1;
    pixels_ = 1;
}

void KnollViewScale::SetReduction(int64_t positions, int64_t pixels) {
    const int64_t common = std::gcd(positions, pixels);
    positions /= common;
    pixels /= common;
    int level = 0;
    for (int64_t block = 2; block * pixels <= positions; block *= 2) --level;
    if (pixels == 1 && positions == int64_t(1) << -level) {
        SetLevel(level);
        return;
    }
    level_ = level;
    positions_ = positions;
    pixels_ = pixels;
}

int KnollViewScale::LevelAfter(int steps) const {
    return IsFractional() && steps > 0 ? level_ + steps - 1 : level_ + steps;
}

int64_t KnollViewScale::FirstBlock(int v) const { return FloorDivide(int64_t(v) * positions_, pixels_ * BlockSize()); }

int KnollViewScale::ToField(int v, int offset) const {
    if (IsReduced()) return offset + int(FirstBlock(v)) * BlockSize();
    return offset + int(FloorDivide(v, Magnification()));
}

// Zoomed out: the last pixel whose first block is at or before the position's block.
int KnollViewScale::ToView(int f, int offset) const {
    if (IsReduced()) {
        const int64_t block = FloorDivide(f - offset, BlockSize());
        return int(FloorDivide((block + 1) * pixels_ * BlockSize() - 1, positions_));
    }
    return (f - offset) * Magnification() + Magnification() / 2;
}

int KnollViewScale::FieldSpan(int pixels) const {
    if (IsReduced()) return ToField(pixels, 0);
    return (pixels + Magnification() - 1) / Magnification();
}

int KnollViewScale::ViewSpan(int positions) const {
    if (IsReduced()) return ToView(positions - 1, 0) + 1;
    return positions * Magnification();
}

int KnollViewScale::ScrollSpan(int pixels) const {
    return std::max(int(int64_t(pixels) * positions_ / pixels_ / Magnification()), 1);
}

std::string KnollViewScale::Label() const {
    if (IsFractional()) {
        char text[16];
        std::snprintf(text, sizeof text, "1:%.1f", double(positions_) / double(pixels_));
        return text;
    }
    if (level_ < 0) return "1:" + std::to_string(BlockSize());
    return std::to_string(Magnification()) + ":1";
}

// A field larger than the view: the ratio of field to view on the tighter axis, the field
// rounded up to the sampled block so that its last, partial block fits too.
KnollViewScale KnollViewScale::Fit(int fieldWidth, int fieldHeight, int viewWidth, int viewHeight) {
    KnollViewScale scale;
    for (int level = kLargestLevel; level >= 0; --level) {
        scale.SetLevel(level);
        if (scale.ViewSpan(fieldWidth) <= viewWidth && scale.ViewSpan(fieldHeight) <= viewHeight) return scale;
    }
    scale.SetLevel(kSmallestLevel);
    if (viewWidth <= 0 || viewHeight <= 0) return scale;
    for (int block = 1; block < 1 << -kSmallestLevel; block *= 2) {
        const int64_t width = RoundUp(fieldWidth, block), height = RoundUp(fieldHeight, block);
        const bool byWidth = width * viewHeight >= height * viewWidth;
        const int64_t positions = byWidth ? width : height, pixels = byWidth ? viewWidth : viewHeight;
        if (positions < 2 * block * pixels) {
            scale.SetReduction(positions, pixels);
            return scale;
        }
    }
    return scale;
}
