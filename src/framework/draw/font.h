#pragma once

// A font description; the text renderer behind the drawing contexts maps it to a face.
enum vFontFamily {
    vfDefaultSystem = 0, vfDefaultFixed = 1, vfDefaultVariable = 2, vfSerif = 3,
    vfSansSerif = 4, vfFixed = 5, vfDecorative = 6, vfOtherFont = 7
};
enum vFontStyle { vfNormal = 8, vfItalic = 10 };
enum vFontWeight { vfWeightNormal = 8, vfBold = 9 };

class vFont {
public:
    vFont(int family = vfDefaultSystem, int pointSize = 10, int style = vfNormal,
          int weight = vfWeightNormal, int underline = 0, int angle = 0)
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

    bool IsItalic() const { return style_ == vfItalic; }
    bool IsBold() const { return weight_ == vfBold; }

    bool operator==(const vFont&) const = default;

private:
    int family_;
    int pointSize_;
    int style_;
    int weight_;
    int underline_;
    int angle_;
};
