#pragma once

#include <cstring>
#include <vector>

#include "core/height_field.h"
#include "core/pixel_streams.h"

// A reader decodes each row here; Store puts it into the working image and, since a
// finished load commits, into the undo image as well. Both copies come from a row still
// in the cache, so no second pass reads the whole image back.
class LoadedRows {
public:
    explicit LoadedRows(HeightField& field)
        : field_(field),
          row_(std::size_t(field.width())),
          stream_(StreamsImage(std::size_t(field.width()) * std::size_t(field.height()))) {}

    uint32_t* row() { return row_.data(); }

    void Store(int y) {
        Put(field_.working().MutableRowPixels(y));
        Put(field_.undo().MutableRowPixels(y));
    }

private:
    void Put(uint32_t* to) {
        if (stream_) {
            StreamPixelRow(to, row_.data(), row_.size());
        } else {
            std::memcpy(to, row_.data(), row_.size() * sizeof(uint32_t));
        }
    }

    HeightField& field_;
    std::vector<uint32_t> row_;
    const bool stream_;
};
