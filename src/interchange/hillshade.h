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

// A height the shader reads as no value. Far below anything an edge's extrapolation of
// 16-bit values can reach, so a made-up height never reads as a missing one.
inline constexpr float kNoHeight = -1e9f;

// Shades of a grid of heights, a run of one row at a time. Shades run from 1 (facing
// away) to 255 (facing the sun) by the slope over each position's 3 x 3 neighbours
// (Horn's weights), positions `spacing` apart. Neighbours without a value count as the
// centre; a position without a value is 0, and so is every position of a grid less than
// two positions wide or high. Beyond the grid's edges a neighbour row or column is
// extrapolated from the two inside it (2 a - b); in the first and last rows the columns
// beyond the edges repeat the outer ones instead. The picture thus has no edge unlike
// its inside, and agrees with the common GIS tools' shading with edges computed.
class RunShader {
public:
    RunShader(const ShadeLight& light, int gridWidth, int gridHeight, double spacing = 1);

    // Shades of positions first..first + count - 1 of row y into out. up, mid and down
    // hold rows y - 1, y and y + 1 over columns first - 1..first + count (count + 2
    // heights); what lies outside the grid is not read (a row outside it may be null) and
    // the two end slots of each row may be overwritten. anyMissing tells whether any
    // height the run reads is kNoHeight; false lets the run take the faster arithmetic.
    void ShadeRun(int y, int first, int count, float* up, float* mid, float* down, bool anyMissing, uint8_t* out);

    struct Factors {
        float flat;         // 254 * sin(altitude): a level position's shade
        float alongX;       // the weight of the left-minus-right slope
        float alongY;       // the weight of the top-minus-bottom slope
        float slopeSquare;  // (z / 8 / spacing)^2, the square of the slope's scale
    };

private:
    void FillEnds(int first, int count, bool edgeRow, float* row) const;

    Factors factors_;
    int width_;
    int height_;
    // The row beyond the first or last one.
    std::vector<float> beyond_;
};

// Shaded relief of the field, one grey byte per position, a row at a time from the top,
// by RunShader. Rows come one by one so that a whole field's shades never need holding.
class ReliefShader {
public:
    ReliefShader(const HeightField& field, const ShadeLight& light);

    // Writes the next row's width() shades.
    void ShadeNextRow(uint8_t* shades);

private:
    void DecodeInto(int slot, int y);

    const HeightField& field_;
    RunShader shader_;
    int nextRow_ = 0;
    // Decoded rows above, at and below the next row, each with a spare slot at both ends,
    // and whether each has a position without a value.
    std::vector<float> rows_[3];
    bool missing_[3] = {};
};

// Row y's values as heights into heights[0..width - 1], kNoHeight for none; true when
// there was a position without a value.
bool DecodeHeights(const HeightField& field, int y, float* heights);
