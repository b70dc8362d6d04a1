#include "render/pov_scene.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>

namespace {

constexpr double kRadians = std::numbers::pi / 180;

// POV-Ray reads a height image into its unit box, 0 to 1 across, up and along, a height
// of 1 standing for 65536 units: a 16-bit image's value is that many units, a grey 8-bit
// image's is stretched to 0..65535 and a colour-mapped one's index counts 256 each.
double UnitsPerValue(const PovTerrain& terrain) {
    if (terrain.kind == kSixteenBitField) return 1;
    return terrain.imageKind == "tga" ? 256 : 65535.0 / 255;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string Vector(double x, double y, double z) {
    char text[100];
    std::snprintf(text, sizeof text, "<%.10g, %.10g, %.10g>", x, y, z);
    return text;
}

// The scene's axes: x across the field, y up, z along the field from its top row at 0
// down to -(rows - 1), so that the field seen from above is not mirrored.
std::string Point(Vec3 p) { return Vector(p.x, p.z, -p.y); }

std::string CameraBlock(const TerrainCamera& camera) {
    return "camera {\n  location " + Point(camera.location) + "\n  right x * image_width / image_height\n  angle " +
           Number(camera.angle) + "\n  look_at " + Point(camera.lookAt) + "\n}\n";
}

// Sunlight: parallel rays from the shot's sun, from far beyond the terrain.
std::string SunBlock(const PovTerrain& terrain, const TerrainShot& shot) {
    const double azimuth = shot.sunAzimuth * kRadians, altitude = shot.sunAltitude * kRadians;
    const Vec3 toSun{std::sin(azimuth) * std::cos(altitude), -std::cos(azimuth) * std::cos(altitude),
                     std::sin(altitude)};
    const double across = std::max(terrain.width, terrain.height);
    const Vec3 centre{(terrain.width - 1) / 2.0, (terrain.height - 1) / 2.0, 0};
    return "light_source { " + Point(centre + 4 * across * toSun) + " color rgb 1 parallel point_at " +
           Point(centre) + " }\n";
}

// Green low, brown in between and white on the peaks, spread over the heights the field
// has (in the unit box, before the scale). The map repeats at whole heights; squeezed a
// little, the lowest ground and the highest peak keep their colours.
std::string TextureBlock(const PovTerrain& terrain) {
    const double units = UnitsPerValue(terrain) / 65536;
    const double low = terrain.lowest * units, span = std::max(terrain.highest - terrain.lowest, 1) * units;
    return "  texture {\n    pigment { gradient y color_map { [0 rgb <0.2, 0.45, 0.15>] [0.6 rgb <0.5, 0.4, 0.25>] "
           "[1 rgb 1] }\n      scale " +
           Number(span * 1.002) + " translate " + Number(low - span * 0.001) +
           " * y }\n    finish { ambient 0.15 diffuse 0.85 }\n  }\n";
}

}  // namespace

bool PovCanName(const std::string& imagePath) {
    return std::none_of(imagePath.begin(), imagePath.end(),
                        [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

std::string PovImageKind(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".png" || extension == ".pgm" || extension == ".tga" || extension == ".ppm") {
        return extension.substr(1);
    }
    return "";
}

std::string PovScene(const PovTerrain& terrain, const TerrainShot& shot) {
    const double across = std::max(terrain.width - 1, 1), along = std::max(terrain.height - 1, 1);
    const double rise = 65536 * shot.verticalScale / UnitsPerValue(terrain);
    std::string scene;
    scene += "// A " + std::to_string(terrain.width) + " x " + std::to_string(terrain.height) +
             " height field from " + terrain.imagePath + ".\n";
    scene += "// Render it in this folder, or give the folder to povray with +L.\n";
    scene += "// Units are the field's positions: x across, z from the top row at 0 down to -" +
             std::to_string(terrain.height - 1) + ",\n";
    scene += "// y the height, each value times " + Number(shot.verticalScale) + ".\n";
    scene += "#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\n\n";
    scene += CameraBlock(shot.camera) + "\n";
    scene += SunBlock(terrain, shot);
    scene += "background { color rgb <0.55, 0.7, 0.9> }\n\n";
    scene += "height_field {\n  " + terrain.imageKind + " " + Quoted(terrain.imagePath) + "\n  smooth\n";
    scene += TextureBlock(terrain);
    scene += "  scale " + Vector(across, rise, along) + "\n  translate " + Vector(0, 0, -along) + "\n}\n";
    return scene;
}
