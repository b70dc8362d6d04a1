#include "view/view_scale.h"

#include <algorithm>

namespace {

// Rounds towards minus infinity, so pixels left of the view map left of the offset.
int FloorDivide(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

void KnollViewScale::SetLevel(int level) { level_ = std::clamp(level, kSmallestLevel, kLargestLevel); }

int KnollViewScale::ToField(int v, int offset) const {
    return offset + (level_ < 0 ? v * BlockSize() : FloorDivide(v, Magnification()));
}

int KnollViewScale::ToView(int f, int offset) const {
    if (level_ < 0) return FloorDivide(f - offset, BlockSize());
    return (f - offset) * Magnification() + Magnification() / 2;
}

int KnollViewScale::FieldSpan(int pixels) const {
    if (level_ < 0) return pixels * BlockSize();
    return (pixels + Magnification() - 1) / Magnification();
}

std::string KnollViewScale::Label() const {
    if (level_ < 0) return "1:" + std::to_string(BlockSize());
    return std::to_string(Magnification()) + ":1";
}

int KnollViewScale::ViewSpan(int positions) const {
    if (level_ < 0) return (positions + BlockSize() - 1) / BlockSize();
    return positions * Magnification();
}

int KnollViewScale::FitLevel(int fieldWidth, int fieldHeight, int viewWidth, int viewHeight) {
    KnollViewScale scale;
    for (int level = kLargestLevel; level > kSmallestLevel; --level) {
        scale.SetLevel(level);
        if (scale.ViewSpan(fieldWidth) <= viewWidth && scale.ViewSpan(fieldHeight) <= viewHeight) return level;
    }
    return kSmallestLevel;
}
