#include "map/map_colours.h"

#include <algorithm>

MapColours::MapColours(const HeightField& field, const MapChoices& choices, ValueRange range)
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
