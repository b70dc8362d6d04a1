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
    // One shade more than the run, always 0, for readers that mask off a block beyond it.
    for (ShadeRow& shaded : shaded_) shaded.shades.resize(size_t(count_) + 1);
}

// Blocks first - 1..first + count of a row inside the grid, with their means; those
// beyond it are empty.
void MapBlockRows::ReadBlocks(int row, ReadRow& read) const {
    std::fill(read.sums.begin(), read.sums.end(), Block{});
    const int from = std::max(first_ - 1, 0), to = std::min(first_ + count_ + 1, columns_);
    if (to > from) reduced_.ReadRows(field_, level_, row, row + 1, from, to - from, &read.sums[size_t(from - (first_ - 1))]);
    for (size_t i = 0; i < read.sums.size(); ++i) {
        const Block& block = read.sums[i];
        read.heights[i] = block.count ? float(MeanOf(block)) : kNoHeight;
    }
}

// The field's own positions, each a block of one.
void MapBlockRows::ReadPositions(int row, ReadRow& read) const {
    const int from = std::max(first_ - 1, 0), to = std::min(first_ + count_ + 1, columns_);
    const int start = from - (first_ - 1);
    std::fill(read.sums.begin(), read.sums.end(), Block{});
    std::fill(read.heights.begin(), read.heights.end(), kNoHeight);
    const uint32_t* pixels = field_.working().RowPixels(row) + from;
    Block* sums = read.sums.data() + start;
    float* heights = read.heights.data() + start;
    const bool wide = field_.kind() == kSixteenBitField;
    const uint32_t shift = wide ? 0 : 16, mask = wide ? 0xFFFF : 0xFF;
    for (int i = 0; i < to - from; ++i) {
        const uint32_t has = pixels[i] != kNoValuePixel;
        const uint32_t value = (pixels[i] >> shift) & mask & (0u - has);
        sums[i] = Block{value, has};
        heights[i] = has ? float(value) : kNoHeight;
    }
}

MapBlockRows::ReadRow& MapBlockRows::Read(int row) {
    ReadRow& read = read_[row & 3];
    if (read.row == row) return read;
    read.row = row;
    if (level_ == 0) {
        ReadPositions(row, read);
    } else {
        ReadBlocks(row, read);
    }
    // The shader reads the run's blocks inside the grid and one more a side; beyond the
    // grid it makes its own from them.
    bool missing = false;
    const int from = first_ == 0 ? 1 : 0, to = std::min(inside_ + 2, columns_ - first_ + 1);
    for (int i = from; i < to; ++i) missing |= read.heights[size_t(i)] == kNoHeight;
    read.anyMissing = missing;
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
    ReadRow* up = row > 0 ? &Read(row - 1) : nullptr;
    ReadRow* down = row + 1 < rows_ ? &Read(row + 1) : nullptr;
    ReadRow& mid = Read(row);
    const bool anyMissing = mid.anyMissing || (up && up->anyMissing) || (down && down->anyMissing);
    shader_.ShadeRun(row, first_, inside_, up ? up->heights.data() : nullptr, mid.heights.data(),
                     down ? down->heights.data() : nullptr, anyMissing, shaded.shades.data());
    return shaded.shades.data();
}

void MapBlockRows::Colours(int row, uint32_t* out) {
    const uint8_t* shades = Shades(row);
    const Block* sums = Sums(row);
    if (!shades) {
        for (int i = 0; i < count_; ++i) out[i] = colours_.OfBlock(sums[i]);
        return;
    }
    for (int i = 0; i < count_; ++i) out[i] = MapColours::Shaded(colours_.OfBlock(sums[i]), shades[i]);
}
