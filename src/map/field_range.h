#pragma once

#include <cstdint>
#include <vector>

#include "core/height_field.h"
#include "map/map_colours.h"

// The lowest and highest value of a field, kept by row so that after an edit only the
// rows it changed are read again. Rows are marked as they change; Range reads the marked
// ones. A new size or kind reads every row.
class FieldRange {
public:
    void MarkRow(int y);
    void MarkAll() { allMarked_ = true; }
    ValueRange Range(const HeightField& field);

private:
    struct RowRange {
        int low;
        int high;  // -1 for a row without any value
    };

    void ReadRow(const HeightField& field, int y);

    int width_ = -1;
    int height_ = -1;
    int kind_ = -1;
    bool allMarked_ = true;
    std::vector<RowRange> rows_;
    std::vector<int> marked_;
};

// The range of the whole field, by reading every position.
ValueRange RangeOf(const HeightField& field);
