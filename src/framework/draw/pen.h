#pragma once

#include <concepts>

#include "framework/draw/color.h"

// Pen styles; any other code draws solid.
enum vPenStyle { vSolid = 1, vTransparent = 2, vDash = 9, vDot = 10, vDashDot = 11 };

class vPen {
public:
    vPen(unsigned r = 0, unsigned g = 0, unsigned b = 0, int width = 1, int style = vSolid)
        : color_(r, g, b), width_(width), style_(style) {}
    // Only a vColor itself: plain numbers would otherwise convert to a colour too.
    explicit vPen(const std::same_as<vColor> auto& color, int width = 1, int style = vSolid)
        : color_(color), width_(width), style_(style) {}

    void SetColor(const vColor& color) { color_ = color; }
    void SetColor(unsigned r, unsigned g, unsigned b) { color_.Set(r, g, b); }
    void SetWidth(int width) { width_ = width; }
    void SetStyle(int style) { style_ = style; }

    const vColor& GetColor() const { return color_; }
    int GetWidth() const { return width_; }
    int GetStyle() const { return style_; }

private:
    vColor color_;
    int width_;
    int style_;
};
