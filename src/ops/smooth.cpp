#include "ops/smooth.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"

namespace {

// Keeps, for every column, the sum of the samples of the window's rows as the image
// holds them now, and slides it down one row after each written row: each position
// costs the same whatever the radius.
class SmoothPass {
public:
    SmoothPass(HeightField& field, int area, int radius)
        : field_(field),
          codec_(field.kind()),
          rule_(field, area),
          width_(field.width()),
          height_(field.height()),
          // A window wider than the field takes the same samples as one just as wide.
          radius_(std::clamp(radius, 0, std::max(field.width(), field.height()))),
          columnSums_(size_t(width_), 0),
          prefix_(size_t(width_) + 1, 0),
          row_(size_t(width_)) {}

    void Run() {
        for (int y = 0; y <= std::min(radius_, height_ - 1); ++y) AddRow(y, +1);
        for (int y = 0; y < height_; ++y) {
            BuildPrefix();
            ComputeRow(y);
            field_.WriteRow(y, row_.data());
            field_.painter().DrawRow(y);
            if (y - radius_ >= 0) AddRow(y - radius_, -1);
            if (y + radius_ + 1 < height_) AddRow(y + radius_ + 1, +1);
        }
        if (!codec_.wide()) field_.painter().RefreshView();
    }

private:
    uint32_t Sample(uint32_t pixel) const {
        return codec_.wide() ? pixel & 0xFFFF : (pixel >> 16) & 0xFF;
    }

    void AddRow(int y, int sign) {
        const uint32_t* pixels = field_.working().RowPixels(y);
        for (int x = 0; x < width_; ++x) columnSums_[size_t(x)] += uint64_t(sign) * Sample(pixels[x]);
    }

    void BuildPrefix() {
        for (int x = 0; x < width_; ++x) prefix_[size_t(x) + 1] = prefix_[size_t(x)] + columnSums_[size_t(x)];
    }

    // New colours of row y into the row buffer; the column sums take the change of the
    // row at once, since its old samples are gone once it is written.
    void ComputeRow(int y) {
        const uint32_t* source = field_.working().RowPixels(y);
        const uint32_t* mask = rule_.whole() ? nullptr : rule_.MaskRow(y);
        const uint64_t rows = uint64_t(std::min(y + radius_, height_ - 1) - std::max(y - radius_, 0) + 1);
        for (int x = 0; x < width_; ++x) {
            uint32_t pixel = source[x];
            if (!mask || rule_.IsTarget(mask[x], codec_.wide())) {
                int left = std::max(x - radius_, 0);
                int right = std::min(x + radius_, width_ - 1);
                uint64_t sum = prefix_[size_t(right) + 1] - prefix_[size_t(left)];
                uint64_t mean = sum / (rows * uint64_t(right - left + 1));
                pixel = codec_.Store(int64_t(std::min<uint64_t>(mean, uint64_t(codec_.max()))));
                columnSums_[size_t(x)] += uint64_t(Sample(pixel)) - Sample(source[x]);
            }
            row_[size_t(x)] = vColor::FromPixel(pixel);
        }
    }

    HeightField& field_;
    const PixelCodec codec_;
    const AreaRule rule_;
    const int width_;
    const int height_;
    const int radius_;
    std::vector<uint64_t> columnSums_;  // wraps freely: only differences are read
    std::vector<uint64_t> prefix_;
    std::vector<vColor> row_;
};

}  // namespace

void Smooth(HeightField& field, int area, int radius) { SmoothPass(field, area, radius).Run(); }
