#include "ops/smooth.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"
#include "ops/smooth_radius_one.h"

namespace {

// Exact n / d for one divisor. A 32-bit divisor divides by a multiply: with
// M = ceil(2^64 / d), the high half of M * n is the quotient for every 32-bit n. Wider
// sums, from radii far beyond any window the dialog offers, divide plainly.
class Divider {
public:
    Divider() = default;
    explicit Divider(uint32_t d) : divisor_(d), magic_(d == 1 ? 0 : UINT64_MAX / d + 1) {}
    explicit Divider(uint64_t d) : divisor_(d) {}

    uint32_t Divide(uint32_t n) const {
        return magic_ == 0 ? n : uint32_t((static_cast<unsigned __int128>(magic_) * n) >> 64);
    }
    uint32_t Divide(uint64_t n) const { return uint32_t(n / divisor_); }

private:
    uint64_t divisor_ = 1;
    uint64_t magic_ = 0;
};

// Keeps, for every column, the sum of the samples of the window's rows as the image
// holds them now, and slides it down one row after each written row, so each position
// costs the same whatever the radius. Sum is 32 bits wide while the largest window sum
// fits, else 64.
template <class Sum, bool kWide>
class SmoothPass {
public:
    SmoothPass(HeightField& field, int area, int radius)
        : field_(field),
          codec_(field.kind()),
          rule_(field, area),
          width_(field.width()),
          height_(field.height()),
          radius_(radius),
          columnSums_(size_t(width_), 0),
          prefix_(size_t(width_) + 1, 0) {}

    void Run() {
        for (int y = 0; y <= std::min(radius_, height_ - 1); ++y) AddRow(y);
        BuildPrefix();
        for (int y = 0; y < height_; ++y) {
            PrepareDividers(y);
            if (rule_.whole()) {
                ComputeRow<true>(y);
            } else {
                ComputeRow<false>(y);
            }
            field_.painter().DrawRow(y);
            SlideDown(y);
        }
        if (!kWide) field_.painter().RefreshView();
    }

private:
    static uint32_t Sample(uint32_t pixel) { return kWide ? pixel & 0xFFFF : (pixel >> 16) & 0xFF; }

    void AddRow(int y) {
        const uint32_t* pixels = field_.working().RowPixels(y);
        Sum* sums = columnSums_.data();
        const int width = width_;
        for (int x = 0; x < width; ++x) sums[x] += Sample(pixels[x]);
    }

    void BuildPrefix() {
        const Sum* sums = columnSums_.data();
        Sum* prefix = prefix_.data();
        const int width = width_;
        Sum running = 0;
        for (int x = 0; x < width; ++x) {
            running += sums[x];
            prefix[x + 1] = running;
        }
    }

    // After row y is written: the window drops row y - r and takes row y + r + 1.
    void SlideDown(int y) {
        const TarnMemoryDC& image = field_.working();
        const uint32_t* leaving = y - radius_ >= 0 ? image.RowPixels(y - radius_) : nullptr;
        const uint32_t* entering = y + radius_ + 1 < height_ ? image.RowPixels(y + radius_ + 1) : nullptr;
        Sum* sums = columnSums_.data();
        const int width = width_;
        if (leaving) {
            for (int x = 0; x < width; ++x) sums[x] -= Sample(leaving[x]);
        }
        if (entering) {
            for (int x = 0; x < width; ++x) sums[x] += Sample(entering[x]);
        }
        BuildPrefix();
    }

    // One divider per window width, for the row's window height.
    void PrepareDividers(int y) {
        uint32_t rows = uint32_t(std::min(y + radius_, height_ - 1) - std::max(y - radius_, 0) + 1);
        if (rows == dividerRows_) return;
        dividerRows_ = rows;
        int widest = std::min(2 * radius_ + 1, width_);
        dividers_.assign(size_t(widest) + 1, Divider());
        for (int columns = 1; columns <= widest; ++columns) {
            uint64_t divisor = uint64_t(rows) * uint64_t(columns);
            dividers_[size_t(columns)] = sizeof(Sum) == 4 ? Divider(uint32_t(divisor)) : Divider(divisor);
        }
    }

    // New colours of row y, written in place: a position's mean comes from the prefix
    // sums, built before the row changed, so only its own old colour is read here. The
    // column sums take the row's change at once. The interior, where the window is whole
    // across, shares one divider.
    template <bool kWhole>
    void ComputeRow(int y) {
        RowContext row{field_.working().MutableRowPixels(y), kWhole ? nullptr : rule_.MaskRow(y),
                       columnSums_.data(), prefix_.data()};
        const int r = radius_;
        const int width = width_;
        const int interiorBegin = std::min(r, width);
        const int interiorEnd = std::max(width - r, interiorBegin);
        for (int x = 0; x < interiorBegin; ++x) Position<kWhole>(row, x, 0, std::min(x + r, width - 1));
        if (interiorEnd > interiorBegin) {
            const Divider divider = dividers_[size_t(2 * r + 1)];
            for (int x = interiorBegin; x < interiorEnd; ++x) Position<kWhole>(row, x, x - r, x + r, divider);
        }
        for (int x = interiorEnd; x < width; ++x) Position<kWhole>(row, x, std::max(x - r, 0), width - 1);
    }

    struct RowContext {
        uint32_t* pixels;
        const uint32_t* mask;
        Sum* sums;
        const Sum* prefix;
    };

    template <bool kWhole>
    void Position(const RowContext& row, int x, int left, int right) {
        Position<kWhole>(row, x, left, right, dividers_[size_t(right - left + 1)]);
    }

    template <bool kWhole>
    void Position(const RowContext& row, int x, int left, int right, const Divider& divider) {
        if (kWhole || rule_.IsTarget(row.mask[x], kWide)) {
            Sum sum = row.prefix[right + 1] - row.prefix[left];
            uint32_t mean = divider.Divide(sum);
            uint32_t pixel = kWide ? mean : codec_.PaletteEntry(int(mean));
            row.sums[x] += Sum(Sample(pixel)) - Sum(Sample(row.pixels[x]));
            row.pixels[x] = pixel;
        }
    }

    HeightField& field_;
    const PixelCodec codec_;
    const AreaRule rule_;
    const int width_;
    const int height_;
    const int radius_;
    std::vector<Sum> columnSums_;  // wraps freely: only differences are read
    std::vector<Sum> prefix_;
    uint32_t dividerRows_ = 0;
    std::vector<Divider> dividers_;
};

template <bool kWide>
void SmoothKind(HeightField& field, int area, int radius) {
    // The largest window sum decides whether 32 bits hold it.
    const uint64_t side = uint64_t(2 * int64_t(radius) + 1);
    const uint64_t largest = side * side * (kWide ? 0xFFFF : 0xFF);
    if (largest <= UINT32_MAX) {
        SmoothPass<uint32_t, kWide>(field, area, radius).Run();
    } else {
        SmoothPass<uint64_t, kWide>(field, area, radius).Run();
    }
}

}  // namespace

void Smooth(HeightField& field, int area, int radius) {
    // A window wider than the field takes the same samples as one just as wide.
    radius = std::clamp(radius, 0, std::max(field.width(), field.height()));
    if (radius == 1) {
        SmoothRadiusOne(field, area);
        return;
    }
    if (field.kind() == kSixteenBitField) {
        SmoothKind<true>(field, area, radius);
    } else {
        SmoothKind<false>(field, area, radius);
    }
}
