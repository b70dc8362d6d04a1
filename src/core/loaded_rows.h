#pragma once

#include "core/height_field.h"
#include "core/pixel_streams.h"

// For the readers and the expand, which make every row of a new field: each finished row
// is made in the cache and stored once into the image that becomes the working image,
// streamed when that image is large, so its fresh pages are not read first.
class LoadedRows {
public:
    LoadedRows(HeightField& field, int width, int height)
        : field_(field), width_(std::size_t(width)), stream_(StreamsImage(width_ * std::size_t(height))) {}

    void Store(int y, const uint32_t* row) {
        PutImageRow(field_.LoadRow(y), row, width_, stream_);
        field_.RowLoaded(y);
    }

private:
    HeightField& field_;
    const std::size_t width_;
    const bool stream_;
};
