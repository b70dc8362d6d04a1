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

// Shaded relief of the field as grey and alpha bytes, two per position, row by row.
// Shades run from 1 (facing away) to 255 (facing the sun) by the slope over each
// position's 3 x 3 neighbours (Horn's weights); the field's edges repeat their outer
// values and neighbours without a value count as the centre. Positions without a value
// are transparent.
std::vector<uint8_t> ShadeRelief(const HeightField& field, const ShadeLight& light);
