#include "interchange/pgm_rows.h"

// Its notice for a file that ends early is the greymap's load's, which no rows read gives.
PgmRows::PgmRows(const HeightField& field, const std::string& path, std::unique_ptr<PgmReader> reader)
    : FileRows(field, reader->width(), reader->height(), path + ": " + reader->RowsError(0)),
      reader_(std::move(reader)),
      store_(field.palette(), reader_->wide()),
      samples_(size_t(width)) {}

bool PgmRows::ReadRow(uint32_t* pixels) {
    if (!reader_->NextRow(samples_.data())) return false;
    store_.Store(samples_.data(), width, pixels);
    return true;
}
