#include "map/map_blocks.h"

#include <algorithm>

MapBlockRows::MapBlockRows(const HeightField& field, const KnollReducedField& reduced, const MapColours& colours,
                           int level, int first, int count)
    : field_(field),
      reduced_(reduced),
      colours_(colours),
      level_(level),
      first_(first),
      count_(std::max(count, 0)),
      columns_((field.width() + (1 << level) - 1) >> level),
      rows_((field.height() + (1 << level) - 1) >> level),
      inside_(std::clamp(columns_ - first, 0, count_)),
      shader_(colours.choices().light, columns_, rows_, double(1 << level)) {
    for (ReadRow& read : read_) {
        read.sums.resize(size_t(count_) + 2);
        read.heights.resize(size_t(count_) + 2);
    }
    for (ShadeRow& shaded : shaded_) shaded.shades.resize(size_t(count_));
}

// Blocks first - 1..first + count of a row inside the grid; those beyond it are empty.
void MapBlockRows::ReadBlocks(int row, Block* out) const {
    std::fill(out, out + count_ + 2, Block{});
    const int from = std::max(first_ - 1, 0), to = std::min(first_ + count_ + 1, columns_);
    if (to <= from) return;
    Block* at = out + (from - (first_ - 1));
    if (level_ > 0) {
        reduced_.ReadRows(field_, level_, row, row + 1, from, to - from, at);
        return;
    }
    const uint32_t* pixels = field_.working().RowPixels(row) + from;
    for (int i = 0; i < to - from; ++i) {
        const int value = field_.DecodeValue(pixels[i]);
        at[i] = value < 0 ? Block{} : Block{uint32_t(value), 1};
    }
}

MapBlockRows::ReadRow& MapBlockRows::Read(int row) {
    ReadRow& read = read_[row & 3];
    if (read.row == row) return read;
    read.row = row;
    ReadBlocks(row, read.sums.data());
    for (size_t i = 0; i < read.sums.size(); ++i) {
        const Block& block = read.sums[i];
        read.heights[i] = block.count ? float(MeanOf(block)) : kNoHeight;
    }
    return read;
}

const MapBlockRows::Block* MapBlockRows::Sums(int row) {
    if (row < 0 || row >= rows_) {
        ReadRow& read = read_[row & 3];
        read.row = -1;
        std::fill(read.sums.begin(), read.sums.end(), Block{});
        return read.sums.data() + 1;
    }
    return Read(row).sums.data() + 1;
}

const uint8_t* MapBlockRows::Shades(int row) {
    if (!colours_.choices().relief) return nullptr;
    ShadeRow& shaded = shaded_[row & 1];
    if (shaded.row == row) return shaded.shades.data();
    shaded.row = row;
    std::fill(shaded.shades.begin(), shaded.shades.end(), uint8_t(0));
    if (row < 0 || row >= rows_ || inside_ == 0) return shaded.shades.data();
    float* up = row > 0 ? Read(row - 1).heights.data() : nullptr;
    float* down = row + 1 < rows_ ? Read(row + 1).heights.data() : nullptr;
    float* mid = Read(row).heights.data();
    shader_.ShadeRun(row, first_, inside_, up, mid, down, shaded.shades.data());
    return shaded.shades.data();
}

void MapBlockRows::Colours(int row, uint32_t* out) {
    const uint8_t* shades = Shades(row);
    const Block* sums = Sums(row);
    for (int i = 0; i < count_; ++i) {
        const uint32_t colour = colours_.OfBlock(sums[i]);
        out[i] = shades ? MapColours::Shaded(colour, shades[i]) : colour;
    }
}
