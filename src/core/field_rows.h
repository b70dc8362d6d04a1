#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/height_field.h"

// The rows a writer takes, top row first, each asked for once: the working image's, or
// rows made as they are asked for (an expand's, an edit's, a file's being read), written
// without making the field they would form. The field gives the kind and the palette
// they are read by.
class FieldRows {
public:
    FieldRows(const HeightField& field, int width, int height) : field(field), width(width), height(height) {}
    virtual ~FieldRows() = default;
    FieldRows(const FieldRows&) = delete;
    FieldRows& operator=(const FieldRows&) = delete;

    virtual const uint32_t* Row(int y) = 0;
    // Why a row could not be made as it should (a file that ended while it was read),
    // empty while every row could. A writer keeps its target as it was unless Complete.
    virtual std::string Failure() const { return {}; }
    bool Complete() const { return Failure().empty(); }

    const HeightField& field;
    const int width;
    const int height;
};

class WorkingRows : public FieldRows {
public:
    explicit WorkingRows(const HeightField& field) : FieldRows(field, field.width(), field.height()) {}
    const uint32_t* Row(int y) override { return field.working().RowPixels(y); }
};

// An edit that works row by row: it rewrites row y's pixels, of the width of the rows it
// was made for, in place. Rows come top first, each once.
using RowEdit = std::function<void(int y, uint32_t* pixels)>;

// The rows of another source with an edit made to each as it passes.
class EditedRows : public FieldRows {
public:
    EditedRows(FieldRows& from, RowEdit edit)
        : FieldRows(from.field, from.width, from.height), from_(from), edit_(std::move(edit)), row_(size_t(width)) {}

    const uint32_t* Row(int y) override {
        const uint32_t* pixels = from_.Row(y);
        std::copy(pixels, pixels + width, row_.data());
        edit_(y, row_.data());
        return row_.data();
    }
    std::string Failure() const override { return from_.Failure(); }

private:
    FieldRows& from_;
    RowEdit edit_;
    std::vector<uint32_t> row_;
};
