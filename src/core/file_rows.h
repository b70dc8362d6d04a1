#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/field_rows.h"

// Rows of a file read as they are asked for, so that a write can take them without the
// field they form ever being held. Only a file whose every row is there when the rows
// are handed on is read so; should it end all the same while it is read, every row is
// still given (of zeros) for the write to finish and drop, and Failure says what the
// file's load would have said.
class FileRows : public FieldRows {
public:
    FileRows(const HeightField& field, int width, int height) : FieldRows(field, width, height), row_(size_t(width)) {}

    const uint32_t* Row(int) override {
        if (read_ == asked_ && ReadRow(row_.data())) {
            ++read_;
        } else {
            std::fill(row_.begin(), row_.end(), 0);
        }
        ++asked_;
        return row_.data();
    }
    // Only rows asked for count, so a write refused before it asks keeps its own reason.
    std::string Failure() const override { return read_ < asked_ ? EndedNotice() : std::string(); }

protected:
    // The next row's pixels as the file's load stores them; false when the file holds no
    // complete row more.
    virtual bool ReadRow(uint32_t* pixels) = 0;
    // What the file's load says once a row could not be read.
    virtual std::string EndedNotice() const = 0;

private:
    std::vector<uint32_t> row_;
    int asked_ = 0;
    int read_ = 0;
};
