#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/field_rows.h"
#include "core/height_field.h"
#include "core/loaded_rows.h"

// Where a reader puts the samples it decodes, row after row from the top. Bits is 8 or
// 16; an 8-bit sample never exceeds 255.
class SampleRows {
public:
    virtual ~SampleRows() = default;
    // Called once the header's size has been accepted; false when it cannot be held.
    virtual bool Start(int width, int height, int bits) = 0;
    // Room for row y's samples, which the reader fills and then hands over with Store.
    virtual uint16_t* Row(int y) = 0;
    // Room for row y's marks of positions without a value (1 for none, else 0), which a
    // reader of a format that has such positions fills before Store.
    virtual uint8_t* Gaps(int y) = 0;
    virtual void Store(int /*y*/) {}
};

// A field's values as plain samples, top row first: the common ground of the
// interchange formats.
struct HeightSamples : SampleRows {
    int width = 0;
    int height = 0;
    int bits = 8;
    std::vector<uint16_t> values;
    std::vector<uint8_t> gaps;  // made when a reader first marks a row

    // Sizes the samples after the header's size has been accepted; false without
    // allocating when the field could not hold it.
    bool Allocate(int width, int height, int bits);
    bool Start(int newWidth, int newHeight, int newBits) override { return Allocate(newWidth, newHeight, newBits); }
    uint16_t* Row(int y) override { return values.data() + size_t(y) * size_t(width); }
    uint8_t* Gaps(int y) override;
};

// Samples as an import stores them: a 16-bit sample as its pixel, an 8-bit one as its
// palette colour with the blue byte forced to the value, since a palette whose entries
// repeat a blue byte (the default's last fifteen do) would otherwise turn the values it
// does not hold into others.
class SamplePixels {
public:
    SamplePixels(const Palette& palette, bool wide);
    void Store(const uint16_t* samples, int width, uint32_t* pixels) const;
    // The same with gaps: positions marked 1 become positions without a value.
    void Store(const uint16_t* samples, const uint8_t* gaps, int width, uint32_t* pixels) const;

private:
    bool wide_;
    uint32_t colors_[256] = {};
};

// Samples read straight into the image that becomes the field's working image, shown as
// they arrive (a held load): the field comes back as it was when the read fails before
// Finish. 16-bit samples make a 16-bit field, 8-bit samples an 8-bit field painted with
// the palette.
class FieldSampleRows : public SampleRows {
public:
    explicit FieldSampleRows(HeightField& field) : field_(field) {}
    ~FieldSampleRows() override;

    bool Start(int width, int height, int bits) override;
    uint16_t* Row(int y) override;
    uint8_t* Gaps(int y) override;
    void Store(int y) override;
    // The samples become the field, committed.
    void Finish();

private:
    HeightField& field_;
    int width_ = 0;
    int height_ = 0;
    bool wide_ = false;
    bool started_ = false;
    std::optional<SamplePixels> store_;
    std::vector<uint16_t> samples_;
    std::vector<uint8_t> gaps_;
    bool gapsMarked_ = false;
    std::vector<uint32_t> pixels_;
    std::optional<LoadedRows> rows_;
};

// Samples as greymaps and PNGs hold them: a byte each, or two with the high byte first.
void DecodeSampleBytes(const uint8_t* bytes, int width, bool wide, uint16_t* samples);
void EncodeSampleBytes(const uint16_t* samples, int width, bool wide, uint8_t* bytes);

// Why a read or write failed, for the user; empty when it succeeded.
using InterchangeError = std::string;

// What a writer takes: the field's values row after row, decoded as each row is asked
// for, with positions without a value as 0. Bits is the field's: 8 or 16.
class FieldSamples {
public:
    explicit FieldSamples(FieldRows& rows);

    const int width;
    const int height;
    const int bits;

    const uint16_t* Row(int y);
    // Positions without a value in the rows asked for so far.
    int64_t noValue() const { return noValue_; }
    bool Complete() const { return rows_.Complete(); }

private:
    FieldRows& rows_;
    std::vector<uint16_t> row_;
    int64_t noValue_ = 0;
};
