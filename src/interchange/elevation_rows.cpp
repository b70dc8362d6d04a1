#include "interchange/elevation_rows.h"

ElevationRows::ElevationRows(const HeightField& field, const std::string& path, std::unique_ptr<ElevationReader> reader)
    : FileRows(field, reader->width(), reader->height()),
      path_(path),
      reader_(std::move(reader)),
      store_(field.palette(), reader_->bits() == 16),
      samples_(size_t(width)),
      gaps_(size_t(width)) {}

bool ElevationRows::ReadRow(uint32_t* pixels) {
    std::string error;
    if (!reader_->NextRow(samples_.data(), gaps_.data(), error)) return false;
    store_.Store(samples_.data(), gaps_.data(), width, pixels);
    return true;
}

std::string ElevationRows::EndedNotice() const { return path_ + ": the raster cannot be read whole"; }
