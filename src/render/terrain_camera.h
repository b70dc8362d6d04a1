#pragma once

#include <optional>
#include <string>

// A point or a direction in the field's own units: x across the field (columns), y down
// it (rows), z up (a value times the vertical scale).
struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Length(Vec3 a);
// The unit vector along a, or a itself when it has no length.
Vec3 Normalized(Vec3 a);

// A perspective camera: where it stands, the point it looks at and the angle across the
// picture in degrees, kept level (its right edge horizontal) as POV-Ray keeps a camera
// with the default sky.
struct TerrainCamera {
    Vec3 location;
    Vec3 lookAt;
    double angle = 40;
};

inline constexpr double kMinCameraAngle = 1;
inline constexpr double kMaxCameraAngle = 170;

// "X,Y,Z:LX,LY,LZ:ANGLE", decimal numbers; nothing when the text is not of that form, the
// two points coincide or the angle lies outside kMinCameraAngle..kMaxCameraAngle.
std::optional<TerrainCamera> ParseCamera(const std::string& text);
// The same form, each number with the digits that read back to it.
std::string CameraText(const TerrainCamera& camera);

// The field as the camera sees it: its size in positions and the heights its values
// take, lowest and highest.
struct TerrainExtent {
    int width = 0;
    int height = 0;
    double lowest = 0;
    double highest = 0;
};

// How a field is seen: from a camera, its heights its values times a vertical scale,
// lit by a sun given as the shaded relief takes it (degrees clockwise from the top of the
// field, and above the horizon).
struct TerrainShot {
    TerrainCamera camera;
    double verticalScale = 1;
    double sunAzimuth = 315;
    double sunAltitude = 45;
};

// Looks down a third of a right angle across the field's bottom edge at the middle of
// the terrain, far enough back that all of it fits a 4:3 picture at 40 degrees with a
// tenth to spare.
TerrainCamera DefaultCamera(const TerrainExtent& extent);

// ---- Moving the camera, as the editor's 3D view does ----------------------------------

// Turns the camera around the point it looks at: yaw degrees about the vertical (positive
// turns the camera to its right), pitch degrees up over the point, never past straight
// down or level with it from below.
TerrainCamera Orbit(const TerrainCamera& camera, double yaw, double pitch);
// Moves camera and point together across the picture: right and up in units of the
// distance between them.
TerrainCamera Pan(const TerrainCamera& camera, double right, double up);
// Moves the camera towards the point by a factor of the distance (below 1 closer).
TerrainCamera Dolly(const TerrainCamera& camera, double factor);
