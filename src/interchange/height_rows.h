#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/file_rows.h"
#include "interchange/height_samples.h"

// A greymap's or PNG's rows stored as an import stores them, read as they are asked
// for. The field gives the kind, which must be the file's, and the palette. Reader is a
// PgmReader or PngReader whose header was accepted.
template <class Reader>
class HeightFileRows : public FileRows {
public:
    HeightFileRows(const HeightField& field, std::string path, std::unique_ptr<Reader> reader)
        : FileRows(field, reader->width(), reader->height()),
          path_(std::move(path)),
          reader_(std::move(reader)),
          store_(field.palette(), reader_->wide()),
          samples_(size_t(width)) {}

private:
    bool ReadRow(uint32_t* pixels) override {
        if (!reader_->NextRow(samples_.data())) return false;
        store_.Store(samples_.data(), width, pixels);
        return true;
    }
    // The import's notice, which names the file.
    std::string EndedNotice() const override { return path_ + ": " + reader_->error(); }

    const std::string path_;
    std::unique_ptr<Reader> reader_;
    const SamplePixels store_;
    std::vector<uint16_t> samples_;
};
