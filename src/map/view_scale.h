#pragma once

#include <cstdint>
#include <string>

// The scale at which the canvas shows the field. A power of two is a level: level 0 is
// 1:1, a negative level shows blocks of 2^-level x 2^-level positions as one pixel (1:2
// down to 1:16), a positive level shows each position as a block of 2^level pixels (2:1
// up to 16:1). Fitting a large field may also choose a fractional reduction between 1:1
// and 1:16, kept as the ratio positions : pixels; it is sampled from the nearest finer
// power of two, its level, so a pixel shows a whole number of that level's blocks.
// Offsets are the field position shown at the view's top-left corner; zoomed out, they
// lie on the block grid.
class KnollViewScale {
public:
    static constexpr int kSmallestLevel = -4;
    static constexpr int kLargestLevel = 4;

    // A fractional scale's level is that of the power of two it is sampled from.
    int level() const { return level_; }
    void SetLevel(int level);
    // The level that `steps` Zoom In (positive) or Zoom Out steps lead to; from a
    // fractional scale the first step goes to the power of two next to it.
    int LevelAfter(int steps) const;
    bool IsActualSize() const { return level_ == 0 && !IsFractional(); }
    bool IsReduced() const { return level_ < 0 || IsFractional(); }
    bool IsFractional() const { return pixels_ != 1; }
    // Positions per side of a block of the level sampled when zoomed out, else 1.
    int BlockSize() const { return level_ < 0 ? 1 << -level_ : 1; }
    // Pixels per position side when magnified, else 1.
    int Magnification() const { return level_ > 0 ? 1 << level_ : 1; }

    // The field position shown at view coordinate v along one axis; zoomed out, the first
    // position of the pixel's block.
    int ToField(int v, int offset) const;
    // The view coordinate of the pixel showing a field position; its centre when magnified.
    int ToView(int f, int offset) const;
    // How many field positions a view of this many pixels spans.
    int FieldSpan(int pixels) const;
    // How many pixels show this many positions.
    int ViewSpan(int positions) const;
    // How many positions a scroll of this many pixels moves, at least one.
    int ScrollSpan(int pixels) const;
    // The offset rounded down onto the block grid.
    int OnGrid(int offset) const { return offset / BlockSize() * BlockSize(); }

    // "1:4", "1:1", "4:1"; a fractional scale to one decimal, "1:3.2".
    std::string Label() const;

    // The largest level at which the whole field fits the view or, for a field larger
    // than the view, the fractional reduction that just fits it; 1:16 when nothing does.
    static KnollViewScale Fit(int fieldWidth, int fieldHeight, int viewWidth, int viewHeight);

    bool operator==(const KnollViewScale&) const = default;

private:
    // Sets positions : pixels, a reduction above 1:1 and below 1:16.
    void SetReduction(int64_t positions, int64_t pixels);
    // The first block of the sampled level shown by pixel v, counted from the offset.
    int64_t FirstBlock(int v) const;

    int level_ = 0;
    // Zoomed out, positions : pixels per side; 2^-level : 1 at a power of two.
    int64_t positions_ = 1;
    int64_t pixels_ = 1;
};
