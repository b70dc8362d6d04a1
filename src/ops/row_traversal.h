#pragma once

#include <cstdint>
#include <vector>

#include "core/height_field.h"
#include "ops/pixel_codec.h"

// Area codes: which positions an area operation changes.
inline constexpr int kAreaWhole = 0;
inline constexpr int kAreaInside = 1;
inline constexpr int kAreaOutside = 2;

// How a finished row reaches the screen.
enum class RowShow { kDrawRow, kRefreshView };

// A position is a target when the area is whole or its mask test equals area - 1.
class AreaRule {
public:
    AreaRule(const HeightField& field, int area) : field_(field), area_(area) {}

    bool whole() const { return area_ == kAreaWhole; }
    const uint32_t* MaskRow(int y) const { return field_.mask().RowPixels(y); }
    bool IsTarget(uint32_t maskPixel, bool wide) const {
        return MaskBit(maskPixel, wide) == area_ - 1;
    }

private:
    const HeightField& field_;
    int area_;
};

// The common traversal of the area operations: rows from the top, positions from the
// left; a target's colour becomes newPixel(colour), every other position keeps what it
// holds; each finished row is written in one step and shown.
template <class NewPixel>
void TransformRows(HeightField& field, int area, RowShow show, NewPixel&& newPixel) {
    const int width = field.width();
    const bool wide = field.kind() == kSixteenBitField;
    const AreaRule rule(field, area);
    std::vector<vColor> row(static_cast<size_t>(width));
    for (int y = 0; y < field.height(); ++y) {
        const uint32_t* source = field.working().RowPixels(y);
        if (rule.whole()) {
            for (int x = 0; x < width; ++x) row[x] = vColor::FromPixel(newPixel(source[x]));
        } else {
            const uint32_t* mask = rule.MaskRow(y);
            for (int x = 0; x < width; ++x) {
                uint32_t pixel = rule.IsTarget(mask[x], wide) ? newPixel(source[x]) : source[x];
                row[x] = vColor::FromPixel(pixel);
            }
        }
        field.WriteRow(y, row.data());
        if (show == RowShow::kRefreshView) {
            field.painter().RefreshView();
        } else {
            field.painter().DrawRow(y);
        }
    }
}
