#include "interchange/height_samples.h"

#include "core/loaded_rows.h"

bool HeightSamples::Allocate(int newWidth, int newHeight, int newBits) {
    if (!HeightField::AcceptableSize(newWidth, newHeight)) return false;
    width = newWidth;
    height = newHeight;
    bits = newBits;
    values.assign(size_t(newWidth) * size_t(newHeight), 0);
    return true;
}

int64_t SamplesFromField(const HeightField& field, HeightSamples& samples) {
    samples.Allocate(field.width(), field.height(), field.kind() == kSixteenBitField ? 16 : 8);
    int64_t noValue = 0;
    uint16_t* out = samples.values.data();
    for (int y = 0; y < field.height(); ++y) {
        const uint32_t* pixels = field.working().RowPixels(y);
        for (int x = 0; x < field.width(); ++x) {
            int value = field.DecodeValue(pixels[x]);
            noValue += value < 0;
            *out++ = uint16_t(value < 0 ? 0 : value);
        }
    }
    return noValue;
}

namespace {

// The palette's colour for each value, its blue byte forced to the value: a palette
// whose entries repeat a blue byte (the default's last fifteen do) would otherwise turn
// the values it does not hold into others.
void EightBitColors(const Palette& palette, uint32_t colors[256]) {
    for (uint32_t value = 0; value < 256; ++value) {
        colors[value] = (palette[value].Pixel() & 0xFFFF) | value << 16;
    }
}

}  // namespace

bool PutSamplesInField(const HeightSamples& samples, HeightField& field) {
    if (!field.BeginLoad(samples.width, samples.height)) return false;
    uint32_t colors[256];
    EightBitColors(field.palette(), colors);
    const bool wide = samples.bits == 16;
    std::vector<uint32_t> row(size_t(samples.width));
    LoadedRows rows(field, samples.width, samples.height);
    const uint16_t* in = samples.values.data();
    for (int y = 0; y < samples.height; ++y, in += samples.width) {
        for (int x = 0; x < samples.width; ++x) row[x] = wide ? in[x] : colors[in[x] & 0xFF];
        rows.Store(y, row.data());
    }
    field.EndLoad(samples.height);
    field.SetKind(wide ? kSixteenBitField : kEightBitField);
    field.painter().RefreshView();
    return true;
}
