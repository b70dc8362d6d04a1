#pragma once

#include <cstdint>

#include "core/height_field.h"

// How far one edge's values are from the opposite edge's, over the pairs where both
// positions have a value.
struct SeamMismatch {
    int maximum = 0;
    double mean = 0;
    int64_t pairs = 0;
};

struct SeamReport {
    SeamMismatch leftRight;  // the left column against the right one
    SeamMismatch topBottom;  // the top row against the bottom one
};

SeamReport MeasureSeams(const HeightField& field);
