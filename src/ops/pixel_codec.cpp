#include "ops/pixel_codec.h"

PixelCodec::PixelCodec(int kind, const Palette& palette) : wide_(kind == kSixteenBitField) {
    for (size_t i = 0; i < palette_.size(); ++i) palette_[i] = palette[i].Pixel();
}
