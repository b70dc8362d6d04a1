#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/file_rows.h"
#include "interchange/pgm_heights.h"

// A greymap's rows stored as an import stores them. The field gives the kind, which
// must be the greymap's, and the palette.
class PgmRows : public FileRows {
public:
    PgmRows(const HeightField& field, const std::string& path, std::unique_ptr<PgmReader> reader);

private:
    bool ReadRow(uint32_t* pixels) override;

    std::unique_ptr<PgmReader> reader_;
    const SamplePixels store_;
    std::vector<uint16_t> samples_;
};
