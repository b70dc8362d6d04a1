#include "interchange/pgm_rows.h"

#include <algorithm>

PgmRows::PgmRows(const HeightField& field, const std::string& path, std::unique_ptr<PgmReader> reader)
    : FieldRows(field, reader->width(), reader->height()),
      path_(path),
      reader_(std::move(reader)),
      store_(field.palette(), reader_->wide()),
      samples_(size_t(width)),
      row_(size_t(width)) {}

// A file that ends early still gives every row, of zeros, for the write to finish and
// drop.
const uint32_t* PgmRows::Row(int) {
    if (read_ == rowsAsked_ && reader_->NextRow(samples_.data())) {
        ++read_;
    } else {
        std::fill(samples_.begin(), samples_.end(), 0);
    }
    ++rowsAsked_;
    store_.Store(samples_.data(), width, row_.data());
    return row_.data();
}

// Only rows asked for count, so a write refused before it asks keeps its own reason.
std::string PgmRows::Failure() const {
    InterchangeError error = reader_->RowsError(read_ < rowsAsked_ ? read_ : height);
    return error.empty() ? error : path_ + ": " + error;
}
