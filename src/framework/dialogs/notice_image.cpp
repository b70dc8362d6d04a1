#include "framework/dialogs/notice_image.h"

#include <array>
#include <cstdlib>

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 32;
constexpr int kRowBytes = (kWidth + 7) / 8;

// Set bits draw in the pen colour (the ink), clear bits in the background colour.
enum class Part { Background, Outline, Inside, Mark };

// The triangle stands on the bottom rows with its apex at the top centre.
Part PartAt(int x, int y) {
    constexpr int apexY = 2, baseY = 29, centre = 20;
    if (y < apexY || y > baseY) return Part::Background;
    int half = (y - apexY) * 17 / (baseY - apexY);
    int dx = std::abs(2 * x + 1 - 2 * centre) / 2;
    if (dx > half) return Part::Background;
    if (dx >= half - 1 || y >= baseY - 1) return Part::Outline;
    bool stem = dx <= 1 && y >= 10 && y <= 21;
    bool dot = dx <= 1 && y >= 24 && y <= 25;
    return stem || dot ? Part::Mark : Part::Inside;
}

std::array<unsigned char, kRowBytes * kHeight> MakeBits() {
    std::array<unsigned char, kRowBytes * kHeight> bits{};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            Part part = PartAt(x, y);
            bool ink = part == Part::Outline || part == Part::Mark || (part == Part::Background && (x + y) % 2 == 0);
            if (ink) bits[y * kRowBytes + x / 8] |= static_cast<unsigned char>(1 << (x % 8));
        }
    }
    return bits;
}

}  // namespace

const vIcon& vNoticeImage() {
    static const std::array<unsigned char, kRowBytes * kHeight> bits = MakeBits();
    static const vIcon icon{bits.data(), kHeight, kWidth, 1, false};
    return icon;
}
