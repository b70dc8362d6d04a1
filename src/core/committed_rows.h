#pragma once

#include <cstring>

#include "core/height_field.h"
#include "core/pixel_streams.h"

// For the readers and the zoom, which make every row of a new field and then commit it:
// each finished row goes into the working image and the undo image at once, while it is
// still in the cache, so no second pass reads the whole image back to copy it.
class CommittedRows {
public:
    explicit CommittedRows(HeightField& field)
        : field_(field),
          width_(std::size_t(field.width())),
          stream_(StreamsImage(width_ * std::size_t(field.height()))) {}

    void Store(int y, const uint32_t* row) {
        Put(field_.working().MutableRowPixels(y), row);
        Put(field_.undo().MutableRowPixels(y), row);
    }

private:
    void Put(uint32_t* to, const uint32_t* row) {
        if (stream_) {
            StreamPixelRow(to, row, width_);
        } else {
            std::memcpy(to, row, width_ * sizeof(uint32_t));
        }
    }

    HeightField& field_;
    const std::size_t width_;
    const bool stream_;
};
