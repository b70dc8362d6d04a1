#include "map/field_range.h"

#include <algorithm>
#include <climits>

void FieldRange::MarkRow(int y) {
    if (allMarked_ || y < 0 || y >= height_) return;
    marked_.push_back(y);
    // A sweep marks every row: past the field's height reading them all is as cheap.
    if (marked_.size() > size_t(height_)) allMarked_ = true;
}

void FieldRange::ReadRow(const HeightField& field, int y) {
    int low = INT_MAX, high = -1;
    const uint32_t* pixels = field.working().RowPixels(y);
    for (int x = 0; x < field.width(); ++x) {
        const int value = field.DecodeValue(pixels[x]);
        if (value < 0) continue;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    rows_[size_t(y)] = {low, high};
}

ValueRange FieldRange::Range(const HeightField& field) {
    if (field.width() != width_ || field.height() != height_ || field.kind() != kind_) {
        width_ = field.width();
        height_ = field.height();
        kind_ = field.kind();
        rows_.assign(size_t(height_), RowRange{INT_MAX, -1});
        allMarked_ = true;
    }
    if (allMarked_) {
        for (int y = 0; y < height_; ++y) ReadRow(field, y);
    } else {
        for (int y : marked_) ReadRow(field, y);
    }
    allMarked_ = false;
    marked_.clear();
    int low = INT_MAX, high = -1;
    for (const RowRange& row : rows_) {
        if (row.high < 0) continue;
        low = std::min(low, row.low);
        high = std::max(high, row.high);
    }
    return high < 0 ? ValueRange{} : ValueRange{low, high};
}

ValueRange RangeOf(const HeightField& field) {
    FieldRange range;
    return range.Range(field);
}
