#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/height_field.h"

// A field's values as plain samples, top row first: the common ground of the
// interchange formats. Bits is 8 or 16; an 8-bit sample never exceeds 255.
struct HeightSamples {
    int width = 0;
    int height = 0;
    int bits = 8;
    std::vector<uint16_t> values;

    // Sizes the samples after the header's size has been accepted; false without
    // allocating when the field could not hold it.
    bool Allocate(int width, int height, int bits);
};

// Why a read or write failed, for the user; empty when it succeeded.
using InterchangeError = std::string;

// The field's values, with positions without a value as 0; returns how many those were.
int64_t SamplesFromField(const HeightField& field, HeightSamples& samples);

// Replaces the field with the samples and commits: 16-bit samples make a 16-bit field,
// 8-bit samples an 8-bit field painted with the palette. False, leaving the field as it
// was, when memory runs out.
bool PutSamplesInField(const HeightSamples& samples, HeightField& field);
