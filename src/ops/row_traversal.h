#pragma once

#include <cstdint>

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
    const uint32_t* MaskRow(int y) const { return field_.MaskRow(y); }
    bool IsTarget(uint32_t maskPixel, bool wide) const {
        return MaskBit(maskPixel, wide) == area_ - 1;
    }

private:
    const HeightField& field_;
    int area_;
};

// How many positions of row y the rule takes. Rows wholly in or out of the selection are
// the common case, and an operation can treat them as a whole row or skip them.
template <bool kWide>
int CountTargets(const AreaRule& rule, int y, int width) {
    if (rule.whole()) return width;
    const uint32_t* mask = rule.MaskRow(y);
    int count = 0;
    for (int x = 0; x < width; ++x) count += rule.IsTarget(mask[x], kWide);
    return count;
}

inline void ShowRow(HeightField& field, RowShow show, int y) {
    if (show == RowShow::kRefreshView) {
        field.painter().RowChanged(y);
        field.painter().RefreshView();
    } else {
        field.painter().DrawRow(y);
    }
}

// Each target of one row takes newPixel(colour). The mask rule is a template argument so
// the inner loop tests one bit and nothing else.
template <bool kWide, class NewPixel>
void TransformTargets(uint32_t* pixels, const uint32_t* mask, int width, int area, NewPixel& newPixel) {
    for (int x = 0; x < width; ++x) {
        if (MaskBit(mask[x], kWide) == area - 1) pixels[x] = newPixel(pixels[x]);
    }
}

// The common traversal of the area operations: rows from the top, positions from the
// left; a target's colour becomes newPixel(colour), every other position keeps what it
// holds; each finished row is shown. A position's result depends on its own colour
// alone, so rows are rewritten in place.
template <class NewPixel>
void TransformRows(HeightField& field, int area, RowShow show, NewPixel&& newPixel) {
    const int width = field.width();
    const bool wide = field.kind() == kSixteenBitField;
    const AreaRule rule(field, area);
    for (int y = 0; y < field.height(); ++y) {
        uint32_t* pixels = field.working().MutableRowPixels(y);
        if (rule.whole()) {
            for (int x = 0; x < width; ++x) pixels[x] = newPixel(pixels[x]);
        } else if (wide) {
            TransformTargets<true>(pixels, rule.MaskRow(y), width, area, newPixel);
        } else {
            TransformTargets<false>(pixels, rule.MaskRow(y), width, area, newPixel);
        }
        ShowRow(field, show, y);
    }
}
