#include "render/terrain_camera.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "core/decimal_text.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180;
// The camera of DefaultCamera looks down this many degrees.
constexpr double kDefaultTilt = 30;
// Orbit keeps the camera between a little below the point and a little short of above it.
constexpr double kLowestPitch = -30;
constexpr double kHighestPitch = 89.5;

// Three numbers "A,B,C".
std::optional<Vec3> ParsePoint(const std::string& text) {
    Vec3 point;
    double* parts[3] = {&point.x, &point.y, &point.z};
    size_t from = 0;
    for (int i = 0; i < 3; ++i) {
        size_t end = i < 2 ? text.find(',', from) : text.size();
        if (end == std::string::npos || !ParseDecimal(text.substr(from, end - from), *parts[i])) return std::nullopt;
        from = end + 1;
    }
    return point;
}

// As many digits as read back to the same number.
std::string NumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// The camera's distance from the point, the bearing of that offset in degrees about the
// vertical and its elevation above the horizontal.
struct Offset {
    double distance;
    double bearing;
    double elevation;
};

Offset OffsetOf(const TerrainCamera& camera) {
    const Vec3 d = camera.location - camera.lookAt;
    const double across = std::hypot(d.x, d.y);
    return {Length(d), std::atan2(d.y, d.x) / kRadians, std::atan2(d.z, across) / kRadians};
}

TerrainCamera AtOffset(const TerrainCamera& camera, const Offset& offset) {
    const double bearing = offset.bearing * kRadians, elevation = offset.elevation * kRadians;
    const Vec3 direction{std::cos(elevation) * std::cos(bearing), std::cos(elevation) * std::sin(bearing),
                         std::sin(elevation)};
    TerrainCamera moved = camera;
    moved.location = camera.lookAt + offset.distance * direction;
    return moved;
}

}  // namespace

double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }

Vec3 Normalized(Vec3 a) {
    const double length = Length(a);
    return length > 0 ? (1 / length) * a : a;
}

std::optional<TerrainCamera> ParseCamera(const std::string& text) {
    const size_t first = text.find(':');
    const size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos) return std::nullopt;
    std::optional<Vec3> location = ParsePoint(text.substr(0, first));
    std::optional<Vec3> lookAt = ParsePoint(text.substr(first + 1, second - first - 1));
    double angle = 0;
    if (!location || !lookAt || !ParseDecimal(text.substr(second + 1), angle) ||
        !(angle >= kMinCameraAngle && angle <= kMaxCameraAngle) || Length(*lookAt - *location) <= 0) {
        return std::nullopt;
    }
    return TerrainCamera{*location, *lookAt, angle};
}

std::string CameraText(const TerrainCamera& camera) {
    auto point = [](Vec3 p) { return NumberText(p.x) + "," + NumberText(p.y) + "," + NumberText(p.z); };
    return point(camera.location) + ":" + point(camera.lookAt) + ":" + NumberText(camera.angle);
}

TerrainCamera DefaultCamera(const TerrainExtent& extent) {
    const double width = std::max(extent.width - 1, 0), depth = std::max(extent.height - 1, 0);
    const double rise = extent.highest - extent.lowest;
    const double tilt = kDefaultTilt * kRadians;
    const double halfWidth = width / 2, halfHeight = (depth * std::sin(tilt) + rise * std::cos(tilt)) / 2;
    const double tanAcross = std::tan(20 * kRadians), tanUp = tanAcross * 3 / 4;
    // The near half of the field stands closer than the point looked at.
    const double distance =
        std::max(1.1 * std::max(halfWidth / tanAcross, halfHeight / tanUp) + depth / 2 * std::cos(tilt), 1.0);
    TerrainCamera camera;
    camera.lookAt = {width / 2, depth / 2, (extent.lowest + extent.highest) / 2};
    camera.location = camera.lookAt + distance * Vec3{0, std::cos(tilt), std::sin(tilt)};
    camera.angle = 40;
    return camera;
}

TerrainCamera Orbit(const TerrainCamera& camera, double yaw, double pitch) {
    Offset offset = OffsetOf(camera);
    offset.bearing -= yaw;
    offset.elevation = std::clamp(offset.elevation + pitch, kLowestPitch, kHighestPitch);
    return AtOffset(camera, offset);
}

TerrainCamera Pan(const TerrainCamera& camera, double right, double up) {
    const Vec3 view = camera.lookAt - camera.location;
    const double distance = Length(view);
    Vec3 ahead = Normalized(Vec3{view.x, view.y, 0});
    // Looking straight down, "ahead" is the picture's top, which is the field's top.
    if (Length(ahead) == 0) ahead = {0, -1, 0};
    const Vec3 side{-ahead.y, ahead.x, 0};
    const Vec3 shift = distance * right * side + distance * up * ahead;
    return {camera.location + shift, camera.lookAt + shift, camera.angle};
}

TerrainCamera Dolly(const TerrainCamera& camera, double factor) {
    Offset offset = OffsetOf(camera);
    offset.distance = std::max(offset.distance * factor, 1e-3);
    return AtOffset(camera, offset);
}
