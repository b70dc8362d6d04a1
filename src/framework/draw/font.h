#pragma once

// A font description; the text renderer behind the drawing contexts maps it to a face.
enum vFontFamily {
    vFontDefaultSystem = 0, vFontDefaultFixed = 1, vFontDefaultVariable = 2, vFontSerif = 3,
    vFontSansSerif = 4, vFontFixed = 5, vFontDecorative = 6, vFontOther = 7
};
enum vFontStyle { vFontStyleNormal = 8, vFontItalic = 10 };
enum vFontWeight { vFontWeightNormal = 8, vFontBold = 9 };

class vFont {
public:
    vFont(int family = vFontDefaultSystem, int pointSize = 10, int style = vFontStyleNormal,
          int weight = vFontWeightNormal, int underline = 0, int angle = 0)
        : family_(family), pointSize_(pointSize), style_(style), weight_(weight),
          underline_(underline), angle_(angle) {}

    void SetFontValues(int family, int pointSize, int style, int weight, int underline, int angle) {
        *this = vFont(family, pointSize, style, weight, underline, angle);
    }

    int GetFamily() const { return family_; }
    int GetPointSize() const { return pointSize_; }
    int GetStyle() const { return style_; }
    int GetWeight() const { return weight_; }
    int GetUnderlined() const { return underline_; }
    int GetAngle() const { return angle_; }

    bool IsItalic() const { return style_ == vFontItalic; }
    bool IsBold() const { return weight_ == vFontBold; }

    bool operator==(const vFont&) const = default;

private:
    int family_;
    int pointSize_;
    int style_;
    int weight_;
    int underline_;
    int angle_;
};
