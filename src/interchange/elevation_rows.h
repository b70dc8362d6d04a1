#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/file_rows.h"
#include "interchange/gdal_heights.h"

// A raster's rows stored as its load stores them, made as they are asked for. The field
// gives the kind, which must be the reader's depth, and the palette.
class ElevationRows : public FileRows {
public:
    ElevationRows(const HeightField& field, const std::string& path, std::unique_ptr<ElevationReader> reader);

private:
    bool ReadRow(uint32_t* pixels) override;
    std::string EndedNotice() const override;

    const std::string path_;
    std::unique_ptr<ElevationReader> reader_;
    const SamplePixels store_;
    std::vector<uint16_t> samples_;
    std::vector<uint8_t> gaps_;
};
