#pragma once

#include <memory>
#include <string>
#include <utility>

#include "core/file_rows.h"
#include "core/ppm.h"

// A pixmap's rows stored as its load stores them, for a field that is 16-bit.
class PpmRows : public FileRows {
public:
    PpmRows(const HeightField& field, std::unique_ptr<PpmReader> reader, std::string endedNotice)
        : FileRows(field, reader->width(), reader->height()),
          reader_(std::move(reader)),
          endedNotice_(std::move(endedNotice)) {}

private:
    bool ReadRow(uint32_t* pixels) override { return reader_->NextRow(pixels); }
    std::string EndedNotice() const override { return endedNotice_; }

    std::unique_ptr<PpmReader> reader_;
    const std::string endedNotice_;
};
