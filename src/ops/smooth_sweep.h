#pragma once

#include <cstdint>
#include <memory>

#include "core/height_field.h"

// Where a smoothing sweep reads and writes rows. Rows are asked for from the top: a row
// above the one being smoothed reads as already smoothed, the others as they were.
class SweepRows {
public:
    virtual ~SweepRows() = default;
    virtual const uint32_t* Row(int y) = 0;
    virtual uint32_t* RowToWrite(int y) = 0;
};

// Smooths row after row from the top, each in place in its rows.
class SmoothSweep {
public:
    virtual ~SmoothSweep() = default;
    virtual void Smooth(int y) = 0;
};

// The sweep of the field's kind, palette and mask over rows of width x height; the
// radius is at most the longer side. Smoothing row 0 first reads the rows of its window.
std::unique_ptr<SmoothSweep> MakeSmoothSweep(SweepRows& rows, const HeightField& field, int width, int height,
                                             int area, int radius);
// The one for radius 1.
std::unique_ptr<SmoothSweep> MakeRadiusOneSweep(SweepRows& rows, const HeightField& field, int width, int height,
                                                int area);
