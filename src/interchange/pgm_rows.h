#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/field_rows.h"
#include "interchange/pgm_heights.h"

// The rows of a greymap read as they are asked for and stored as an import stores them,
// so that a write can take them without the field they form ever being held. The field
// gives the kind, which must be the greymap's, and the palette.
class PgmRows : public FieldRows {
public:
    PgmRows(const HeightField& field, const std::string& path, std::unique_ptr<PgmReader> reader);
    const uint32_t* Row(int y) override;
    std::string Failure() const override;

private:
    const std::string path_;
    std::unique_ptr<PgmReader> reader_;
    const SamplePixels store_;
    std::vector<uint16_t> samples_;
    std::vector<uint32_t> row_;
    int rowsAsked_ = 0;
    int read_ = 0;  // rows the file gave, all of those asked until it ended
};
