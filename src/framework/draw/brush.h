#pragma once

#include <concepts>

#include "framework/draw/color.h"

// Brush styles; any other code fills solid. vSolid and vTransparent are shared with pens.
enum vBrushStyle {
    vHorizontalHatch = 3, vVerticalHatch = 4, vFDiagonalHatch = 5, vBDiagonalHatch = 6,
    vCrossHatch = 7, vDiagonalCrossHatch = 8
};

// Fill codes that PaintPolygon reads from its fillMode argument.
inline constexpr int vAlternate = 12;  // even-odd
inline constexpr int vWinding = 13;    // nonzero winding

class vBrush {
public:
    vBrush(unsigned r = 0, unsigned g = 0, unsigned b = 0, int style = 1, int fillMode = vAlternate)
        : color_(r, g, b), style_(style), fillMode_(fillMode) {}
    // Only a vColor itself: plain numbers would otherwise convert to a colour too.
    explicit vBrush(const std::same_as<vColor> auto& color, int style = 1, int fillMode = vAlternate)
        : color_(color), style_(style), fillMode_(fillMode) {}

    void SetColor(const vColor& color) { color_ = color; }
    void SetColor(unsigned r, unsigned g, unsigned b) { color_.Set(r, g, b); }
    void SetStyle(int style) { style_ = style; }
    void SetFillMode(int fillMode) { fillMode_ = fillMode; }

    const vColor& GetColor() const { return color_; }
    int GetStyle() const { return style_; }
    int GetFillMode() const { return fillMode_; }

private:
    vColor color_;
    int style_;
    int fillMode_;
};
