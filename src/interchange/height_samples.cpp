#include "interchange/height_samples.h"

#include <cstring>

#include "core/vector_clones.h"

bool HeightSamples::Allocate(int newWidth, int newHeight, int newBits) {
    if (!HeightField::AcceptableSize(newWidth, newHeight)) return false;
    width = newWidth;
    height = newHeight;
    bits = newBits;
    values.assign(size_t(newWidth) * size_t(newHeight), 0);
    gaps.clear();
    return true;
}

uint8_t* HeightSamples::Gaps(int y) {
    if (gaps.empty()) gaps.assign(values.size(), 0);
    return gaps.data() + size_t(y) * size_t(width);
}

FieldSamples::FieldSamples(FieldRows& rows)
    : width(rows.width),
      height(rows.height),
      bits(rows.field.kind() == kSixteenBitField ? 16 : 8),
      rows_(rows),
      row_(size_t(rows.width)) {}

namespace {

// The values of one row, positions without one as 0; returns how many those are. Every
// save through the interchange formats passes each position through here.
KNOLL_CLONES("avx2", "default")
int DecodeValues(const HeightField& field, const uint32_t* pixels, int count, uint16_t* values) {
    int noValue = 0;
    for (int x = 0; x < count; ++x) {
        int value = field.DecodeValue(pixels[x]);
        noValue += value < 0;
        values[x] = uint16_t(value < 0 ? 0 : value);
    }
    return noValue;
}

}  // namespace

const uint16_t* FieldSamples::Row(int y) {
    noValue_ += DecodeValues(rows_.field, rows_.Row(y), width, row_.data());
    return row_.data();
}

FieldSampleRows::~FieldSampleRows() {
    if (started_) field_.AbandonLoad();
}

bool FieldSampleRows::Start(int width, int height, int bits) {
    wide_ = bits == 16;
    field_.HoldForNextLoad();
    if (!field_.BeginLoad(width, height, wide_ ? kSixteenBitField : kEightBitField)) {
        field_.DropLoadHold();
        return false;
    }
    started_ = true;
    width_ = width;
    height_ = height;
    store_.emplace(field_.palette(), wide_);
    samples_.resize(size_t(width));
    pixels_.resize(size_t(width));
    rows_.emplace(field_, width, height);
    return true;
}

uint16_t* FieldSampleRows::Row(int /*y*/) { return samples_.data(); }

uint8_t* FieldSampleRows::Gaps(int /*y*/) {
    gaps_.resize(size_t(width_));
    gapsMarked_ = true;
    return gaps_.data();
}

void FieldSampleRows::Store(int y) {
    if (gapsMarked_) {
        store_->Store(samples_.data(), gaps_.data(), width_, pixels_.data());
        gapsMarked_ = false;
    } else {
        store_->Store(samples_.data(), width_, pixels_.data());
    }
    rows_->Store(y, pixels_.data());
}

SamplePixels::SamplePixels(const Palette& palette, bool wide) : wide_(wide) {
    for (uint32_t value = 0; value < 256; ++value) colors_[value] = (palette[value].Pixel() & 0xFFFF) | value << 16;
}

// Locals rather than members, which the pixel stores could alias, so the loops vectorise.
void SamplePixels::Store(const uint16_t* samples, int width, uint32_t* pixels) const {
    if (wide_) {
        for (int x = 0; x < width; ++x) pixels[x] = samples[x];
    } else {
        const uint32_t* colors = colors_;
        for (int x = 0; x < width; ++x) pixels[x] = colors[samples[x] & 0xFF];
    }
}

void FieldSampleRows::Finish() {
    started_ = false;
    field_.EndLoad(height_);
    field_.SetKind(wide_ ? kSixteenBitField : kEightBitField);
    field_.painter().RefreshView();
}

void SamplePixels::Store(const uint16_t* samples, const uint8_t* gaps, int width, uint32_t* pixels) const {
    Store(samples, width, pixels);
    for (int x = 0; x < width; ++x) pixels[x] = gaps[x] ? kNoValuePixel : pixels[x];
}

// Plain loops over locals, so that each vectorises.
KNOLL_CLONES("avx2", "default")
void DecodeSampleBytes(const uint8_t* bytes, int width, bool wide, uint16_t* samples) {
    if (!wide) {
        for (int x = 0; x < width; ++x) samples[x] = bytes[x];
        return;
    }
    for (int x = 0; x < width; ++x) {
        uint16_t big;
        std::memcpy(&big, bytes + 2 * x, sizeof big);
        samples[x] = uint16_t(big << 8 | big >> 8);
    }
}

KNOLL_CLONES("avx2", "default")
void EncodeSampleBytes(const uint16_t* samples, int width, bool wide, uint8_t* bytes) {
    if (!wide) {
        for (int x = 0; x < width; ++x) bytes[x] = uint8_t(samples[x]);
        return;
    }
    for (int x = 0; x < width; ++x) {
        uint16_t big = uint16_t(samples[x] << 8 | samples[x] >> 8);
        std::memcpy(bytes + 2 * x, &big, sizeof big);
    }
}
