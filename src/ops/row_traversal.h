#pragma once

#include <cstdint>
#include <utility>

#include "core/field_rows.h"
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
    int area() const { return area_; }
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

// One row of the common traversal of the area operations: a target's colour becomes
// newPixel(colour), every other position keeps what it holds.
template <class NewPixel>
void TransformRow(const AreaRule& rule, bool wide, int y, uint32_t* pixels, int width, NewPixel newPixel) {
    if (rule.whole()) {
        for (int x = 0; x < width; ++x) pixels[x] = newPixel(pixels[x]);
    } else if (wide) {
        TransformTargets<true>(pixels, rule.MaskRow(y), width, rule.area(), newPixel);
    } else {
        TransformTargets<false>(pixels, rule.MaskRow(y), width, rule.area(), newPixel);
    }
}

// That traversal as the edit of rows of rows' width. A position's result depends on its
// own colour alone, so rows are rewritten in place.
template <class NewPixel>
RowEdit TransformEdit(const FieldRows& rows, int area, NewPixel newPixel) {
    return [rule = AreaRule(rows.field, area), wide = rows.field.kind() == kSixteenBitField, width = rows.width,
            newPixel](int y, uint32_t* pixels) { TransformRow(rule, wide, y, pixels, width, newPixel); };
}

// Whether row y holds a position the rule takes.
inline bool HasTargets(const AreaRule& rule, int y, int width, bool wide) {
    if (rule.whole()) return true;
    const uint32_t* mask = rule.MaskRow(y);
    for (int x = 0; x < width; ++x) {
        if (rule.IsTarget(mask[x], wide)) return true;
    }
    return false;
}

// The field's rows from the top, each edited in place and shown when finished. A row
// without a target of the area is left alone, unwritten, so an edit inside a small
// polygon writes only the rows it changes.
inline void EditRows(HeightField& field, RowShow show, int area, const RowEdit& edit) {
    const AreaRule rule(field, area);
    const bool wide = field.kind() == kSixteenBitField;
    for (int y = 0; y < field.height(); ++y) {
        if (HasTargets(rule, y, field.width(), wide)) edit(y, field.WritableRow(y));
        ShowRow(field, show, y);
    }
}

// The traversal over the whole field, rows from the top, positions from the left.
template <class NewPixel>
void TransformRows(HeightField& field, int area, RowShow show, NewPixel&& newPixel) {
    EditRows(field, show, area, TransformEdit(WorkingRows(field), area, std::forward<NewPixel>(newPixel)));
}
