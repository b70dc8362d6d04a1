#include "render/picture_lines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRadians = std::numbers::pi / 180;
// A level camera's vertical lines meet this far below the picture: parallel to the
// last pixel, and still finite arithmetic.
constexpr double kFarAway = 1e9;
// Rays straight up or down climb this steeply; their slope has no finite value.
constexpr double kSteepest = 1e9;

}  // namespace

// POV-Ray's camera with a look_at: right is the sky crossed with the direction (kept
// when the two are parallel), up the direction crossed with right, and the angle spans
// the picture's width.
CameraView::CameraView(const TerrainCamera& camera, int pictureWidth, int pictureHeight)
    : eye(camera.location), width(pictureWidth), height(pictureHeight) {
    const Vec3 sky{0, 0, 1};
    forward = Normalized(camera.lookAt - camera.location);
    right = Normalized(Cross(sky, forward));
    if (Length(right) < 1e-12) right = {1, 0, 0};
    up = Normalized(Cross(forward, right));
    focal = width / (2 * std::tan(camera.angle * kRadians / 2));
}

PictureLines::PictureLines(const CameraView& view) : view_(view) {
    // The point where vertical lines meet lies on the picture's middle column, since
    // right is level.
    const double verticalAhead = view.forward.z;
    vx_ = view.width / 2;
    rising_ = verticalAhead <= 0;
    if (std::abs(verticalAhead) * kFarAway <= view.focal * std::abs(view.up.z)) {
        vy_ = view.height / 2 + (rising_ ? kFarAway : -kFarAway);
    } else {
        vy_ = view.height / 2 - view.focal * view.up.z / verticalAhead;
    }
    const double toX = 0.5 - vx_, toY = 0.5 - vy_;
    const double offsetX = toX - std::floor(toX), offsetY = toY - std::floor(toY);
    AddFamily({true, -1, vy_, offsetX});
    AddFamily({true, 1, view.height - vy_, offsetX});
    AddFamily({false, -1, vx_, offsetY});
    AddFamily({false, 1, view.width - vx_, offsetY});
}

double CameraView::Slope(double px, double py) const {
    const Vec3 ray = Ray(px, py);
    const double level = std::sqrt(ray.x * ray.x + ray.y * ray.y);
    if (level * kSteepest <= std::abs(ray.z)) return ray.z > 0 ? kSteepest : -kSteepest;
    return ray.z / level;
}

// The lines that can hold pixels: across * reach / along over the family's pixels, at
// most the diagonals that part it from its neighbours.
void PictureLines::AddFamily(Family family) {
    if (family.reach <= 0) return;
    const double span = family.vertical ? view_.height : view_.width;
    const double meet = family.vertical ? vy_ : vx_;
    // The family's pixel nearest the meeting point along its axis.
    double nearest = family.sign > 0 ? std::floor(meet - 0.5) + 1.5 : std::ceil(meet - 0.5) - 0.5;
    nearest = std::clamp(nearest, 0.5, span - 0.5);
    const double alongMin = std::max(family.sign * (nearest - meet), 0.0);
    if (alongMin > family.reach) return;
    const double other = family.vertical ? vx_ : vy_;
    const double acrossLow = -0.5 - other, acrossHigh = (family.vertical ? view_.width : view_.height) + 0.5 - other;
    const double reach = family.reach;
    const double high = acrossHigh <= 0 ? acrossHigh : alongMin > 0 ? std::min(acrossHigh * reach / alongMin, reach) : reach;
    const double low = acrossLow >= 0 ? acrossLow : alongMin > 0 ? std::max(acrossLow * reach / alongMin, -reach) : -reach;
    const int first = int(std::floor(low - family.offset + 0.5));
    const int last = int(std::floor(high - family.offset + 0.5));
    families_.push_back(family);
    for (int n = first; n <= last; ++n) {
        const double across = n + family.offset;
        const double px = family.vertical ? vx_ + across : vx_ + family.sign * reach;
        const double py = family.vertical ? vy_ + family.sign * reach : vy_ + across;
        const Vec3 ray = view_.Ray(px, py);
        const Vec3 direction = Normalized(Vec3{ray.x, ray.y, 0});
        if (Length(direction) == 0) continue;
        lines_.push_back({int(families_.size()) - 1, n, direction});
    }
}

// The tie rules put the meeting point itself and both diagonals above it into the up
// family, the diagonals below into the down family.
bool PictureLines::Owns(const Family& family, int number, double along, double across) const {
    const bool inside = family.vertical ? std::abs(across) <= along && (family.sign < 0 || along > 0)
                                        : std::abs(across) < along;
    if (!inside) return false;
    // Line n takes what lies from its boundary to the next one's, without a division.
    auto boundary = [&](int n) { return (n - 0.5) + family.offset; };
    if (along == 0) return boundary(number) <= 0 && 0 < boundary(number + 1);
    const double u = across * family.reach;
    return boundary(number) * along <= u && u < boundary(number + 1) * along;
}

// A line is at most one pixel from the next one, so in each step along its family's
// axis it owns at most the one pixel whose centre lies within half a pixel of it. The
// steps cover the part of the line inside the picture.
void PictureLines::Pixels(int index, std::vector<LinePixel>& out) const {
    out.clear();
    const Line& line = lines_[size_t(index)];
    const Family& family = families_[size_t(line.family)];
    const double perAlong = (line.number + family.offset) / family.reach;
    const int span = int(family.vertical ? view_.height : view_.width);
    const int acrossSpan = int(family.vertical ? view_.width : view_.height);
    const double meet = family.vertical ? vy_ : vx_, other = family.vertical ? vx_ : vy_;
    // Along the axis from the meeting point, to where the line leaves the picture's sides.
    double farthest = family.reach + 1;
    if (perAlong > 0) farthest = std::min(farthest, (acrossSpan + 1 - other) / perAlong);
    if (perAlong < 0) farthest = std::min(farthest, (-1 - other) / perAlong);
    const int nearT = family.sign > 0 ? int(std::floor(meet - 0.5)) : int(std::ceil(meet - 0.5));
    const int farT = int(std::floor(meet + family.sign * farthest - 0.5));
    const int lowT = std::max(std::min(nearT, farT) - 1, 0), highT = std::min(std::max(nearT, farT) + 1, span - 1);
    const bool forwards = (family.sign > 0) == rising_;
    for (int step = 0; step <= highT - lowT; ++step) {
        const int t = forwards ? lowT + step : highT - step;
        const double along = family.sign * (t + 0.5 - meet);
        if (along < 0) continue;
        const double centre = other + along * perAlong;
        // floor, without the library call it takes on processors before SSE 4.1
        const int c = int(centre) - (centre < int(centre));
        for (int candidate = c - (centre == c); candidate <= c; ++candidate) {
            if (candidate < 0 || candidate >= acrossSpan || !Owns(family, line.number, along, candidate + 0.5 - other)) {
                continue;
            }
            const int x = family.vertical ? candidate : t, y = family.vertical ? t : candidate;
            out.push_back(PixelOf(x, y, line.direction));
            break;
        }
    }
}

LinePixel PictureLines::PixelOf(int x, int y, Vec3 lineDirection) const {
    const Vec3 ray = view_.Ray(x + 0.5, y + 0.5);
    const double level = std::sqrt(ray.x * ray.x + ray.y * ray.y);
    LinePixel pixel{y * int(view_.width) + x, 0, lineDirection.x, lineDirection.y};
    if (level * kSteepest <= std::abs(ray.z)) {
        pixel.slope = ray.z > 0 ? kSteepest : -kSteepest;
        return pixel;
    }
    const double inverse = 1 / level;
    pixel.slope = ray.z * inverse;
    pixel.acrossX = ray.x * inverse;
    pixel.acrossY = ray.y * inverse;
    return pixel;
}
