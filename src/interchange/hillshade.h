#pragma once

#include <cstdint>
#include <vector>

#include "core/height_field.h"

// The sun over the field: azimuth in degrees clockwise from the top of the field,
// altitude in degrees above the horizon, and the factor that scales values against the
// spacing of positions.
struct ShadeLight {
    double azimuth = 315;
    double altitude = 45;
    double zFactor = 1;
};

// The largest factor: far beyond any use, and small enough that no shade of 16-bit
// values overflows the arithmetic.
inline constexpr double kMaxZFactor = 1e6;

// True when every part is finite and in range: azimuth 0 to 360, altitude 0 to 90,
// factor above 0 and at most kMaxZFactor. A shader given another light clamps it.
bool IsUsableLight(const ShadeLight& light);

// Shaded relief of the field, one grey byte per position, a row at a time from the top.
// Shades run from 1 (facing away) to 255 (facing the sun) by the slope over each
// position's 3 x 3 neighbours (Horn's weights); the field's edges repeat their outer
// values and neighbours without a value count as the centre. Positions without a value
// are 0. Rows come one by one so that a whole field's shades never need holding.
class ReliefShader {
public:
    ReliefShader(const HeightField& field, const ShadeLight& light);

    // Writes the next row's width() shades.
    void ShadeNextRow(uint8_t* shades);

    struct Factors {
        float flat;         // 254 * sin(altitude): a level position's shade
        float alongX;       // the weight of the left-minus-right slope
        float alongY;       // the weight of the top-minus-bottom slope
        float slopeSquare;  // (z / 8)^2, the square of the slope's scale
    };

private:
    void DecodeInto(int slot, int y);

    const HeightField& field_;
    Factors factors_;
    int nextRow_ = 0;
    // Decoded rows above, at and below the next row, each with a repeated value at both
    // ends, and how many positions of each have no value.
    std::vector<float> rows_[3];
    int missing_[3] = {};
};
