#include "map/map_colours.h"

#include <algorithm>

namespace {

// mean = (sum + count / 2) / count without a division: a sum of at most 2^24 (256
// positions of 65535) times these reciprocals stays exact in 64 bits.
constexpr int kReciprocalShift = 40;

struct Reciprocals {
    std::array<uint64_t, 257> of{};
    Reciprocals() {
        for (uint64_t count = 1; count < of.size(); ++count) {
            of[count] = ((uint64_t(1) << kReciprocalShift) + count - 1) / count;
        }
    }
};

const Reciprocals& TheReciprocals() {
    static const Reciprocals reciprocals;
    return reciprocals;
}

}  // namespace

MapColours::MapColours(const HeightField& field, const MapChoices& choices, HeightRange range)
    : choices_(choices),
      wide_(field.kind() == kSixteenBitField),
      spread_(wide_ && choices.heightColours),
      range_(range) {
    for (int i = 0; i < 256; ++i) palette_[size_t(i)] = field.palette()[i].Pixel();
    // 256 bins of equal width over low..high: bin = (value - low) * 256 / (high - low + 1),
    // exactly, for the scale rounded up makes no product cross a whole number.
    const uint64_t values = uint64_t(std::max(range.high - range.low + 1, 1));
    binScale_ = ((uint64_t(256) << 32) + values - 1) / values;
}

uint32_t MapColours::OfBlock(const KnollReducedField::Block& block) const {
    return block.count ? Of(MeanOf(block)) : kNoValuePixel;
}

uint32_t MeanOf(const KnollReducedField::Block& block) {
    return uint32_t((uint64_t(block.sum + block.count / 2) * TheReciprocals().of[block.count]) >> kReciprocalShift);
}
