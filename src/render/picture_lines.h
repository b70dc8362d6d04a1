#pragma once

#include <vector>

#include "render/terrain_camera.h"

// The camera's rays for a picture of width x height pixels, as POV-Ray casts them: the
// ray of pixel (i, j) passes through (i + 0.5, j + 0.5), y down from the top.
struct CameraView {
    CameraView(const TerrainCamera& camera, int width, int height);

    Vec3 Ray(double px, double py) const { return focal * forward + (px - width / 2) * right + (height / 2 - py) * up; }
    // Height the ray through (px, py) gains per unit of distance across the field, very
    // large for rays straight up or down.
    double Slope(double px, double py) const;

    Vec3 eye;
    Vec3 forward;  // unit vectors
    Vec3 right;
    Vec3 up;
    double focal;  // pixels from the eye to the picture
    double width;
    double height;
};

// One pixel of a line, with its own ray: the height it gains per unit of distance across
// the field, and its direction across the field, which may differ a little from the
// line's.
struct LinePixel {
    int index;  // y * width + x
    double slope;
    double acrossX;
    double acrossY;
};

// The picture cut into lines that each show one vertical plane through the eye, so that
// along a line the terrain hides what lies behind it as it does in a vertical slice.
// Vertical lines of the world meet in one point of the picture (straight below or above
// the eye); every plane through the eye's vertical shows on a line through that point.
// Lines run from that point in four families (up, down, left and right of it), one
// pixel apart where they are furthest from it; each pixel belongs to the family and
// line nearest it, so every pixel is drawn by exactly one line.
class PictureLines {
public:
    explicit PictureLines(const CameraView& view);

    int Count() const { return int(lines_.size()); }
    // The horizontal direction (unit, z 0) of line n's plane.
    Vec3 Direction(int line) const { return lines_[size_t(line)].direction; }
    // Line n's pixels in the order their rays rise (nearest ground first).
    void Pixels(int line, std::vector<LinePixel>& out) const;

private:
    // A family's own axes: `along` grows away from the meeting point, `across` is
    // perpendicular, both in pixels.
    struct Family {
        bool vertical;      // along runs up or down the picture
        double sign;        // +1 when along grows with the pixel coordinate
        double reach;       // along at the picture's edge furthest from the point
        double offset;      // lines lie at across * reach / along = n + offset
    };
    struct Line {
        int family;
        int number;
        Vec3 direction;
    };

    void AddFamily(Family family);
    // Whether the pixel centred at (along, across) in the family's axes belongs to it and
    // to its line `number`.
    bool Owns(const Family& family, int number, double along, double across) const;
    LinePixel PixelOf(int x, int y, Vec3 lineDirection) const;

    const CameraView& view_;
    double vx_;
    double vy_;
    bool rising_;  // rays rise away from the meeting point (it lies below the eye)
    std::vector<Family> families_;
    std::vector<Line> lines_;
};
