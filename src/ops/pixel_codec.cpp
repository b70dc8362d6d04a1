#include "ops/pixel_codec.h"

PixelCodec::PixelCodec(int kind) : wide_(kind == kSixteenBitField) {
    const Palette& palette = ThePalette();
    for (size_t i = 0; i < palette_.size(); ++i) palette_[i] = palette[i].pixel();
}
