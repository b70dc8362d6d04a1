#pragma once

#include <cstdint>

#include "core/height_field.h"

// The rows a writer takes, top row first, each asked for once: the working image's, or
// rows made as they are asked for (an expand's, written without making the larger
// field). The field gives the kind and the palette they are read by.
class FieldRows {
public:
    FieldRows(const HeightField& field, int width, int height) : field(field), width(width), height(height) {}
    virtual ~FieldRows() = default;
    FieldRows(const FieldRows&) = delete;
    FieldRows& operator=(const FieldRows&) = delete;

    virtual const uint32_t* Row(int y) = 0;

    const HeightField& field;
    const int width;
    const int height;
};

class WorkingRows : public FieldRows {
public:
    explicit WorkingRows(const HeightField& field) : FieldRows(field, field.width(), field.height()) {}
    const uint32_t* Row(int y) override { return field.working().RowPixels(y); }
};
