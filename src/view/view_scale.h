#pragma once

#include <string>

// The scale at which the canvas shows the field, as a power of two: level 0 is 1:1,
// a negative level shows blocks of 2^-level x 2^-level positions as one pixel (1:2 down
// to 1:16), a positive level shows each position as a block of 2^level pixels (2:1 up
// to 16:1). Offsets are the field position shown at the view's top-left corner; zoomed
// out, they lie on the block grid, so each pixel shows a whole block of the reduced copy.
class KnollViewScale {
public:
    static constexpr int kSmallestLevel = -4;
    static constexpr int kLargestLevel = 4;

    int level() const { return level_; }
    void SetLevel(int level);
    bool IsActualSize() const { return level_ == 0; }
    bool IsReduced() const { return level_ < 0; }
    // Positions per pixel side when zoomed out, else 1.
    int BlockSize() const { return level_ < 0 ? 1 << -level_ : 1; }
    // Pixels per position side when magnified, else 1.
    int Magnification() const { return level_ > 0 ? 1 << level_ : 1; }

    // The field position shown at view coordinate v along one axis.
    int ToField(int v, int offset) const;
    // The view coordinate of a field position's block; its centre when magnified.
    int ToView(int f, int offset) const;
    // How many field positions a view of this many pixels spans.
    int FieldSpan(int pixels) const;
    // How many pixels show this many positions.
    int ViewSpan(int positions) const;
    // The offset rounded down onto the block grid.
    int OnGrid(int offset) const { return offset / BlockSize() * BlockSize(); }

    // "1:4", "1:1", "4:1".
    std::string Label() const;

    // The largest level at which the whole field fits the view; the smallest level when
    // none does.
    static int FitLevel(int fieldWidth, int fieldHeight, int viewWidth, int viewHeight);

private:
    int level_ = 0;
};
