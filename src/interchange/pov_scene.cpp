#include "interchange/pov_scene.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>

namespace {

// The full range of values rises a quarter of the longer side, whatever the kind: values
// carry no unit of their own, and this keeps large and small fields alike in view.
double VerticalExtent(const PovTerrain& terrain) { return std::max(terrain.width, terrain.height) / 4.0; }

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Vector(double x, double y, double z) {
    char text[96];
    std::snprintf(text, sizeof text, "<%.3f, %.3f, %.3f>", x, y, z);
    return text;
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

std::string PovScene(const PovTerrain& terrain) {
    const double width = terrain.width, depth = terrain.height, rise = VerticalExtent(terrain);
    // The camera looks down 33 degrees across the bottom edge, far enough back that the
    // terrain's width fits the 40 degree view and its height the 4:3 picture's, with a
    // tenth to spare; the near half of the terrain's depth is added, as it stands closer.
    const double tilt = std::atan2(0.55, 0.835);
    const double halfWidth = width / 2, halfHeight = (depth * std::sin(tilt) + rise * std::cos(tilt)) / 2;
    const double tanAcross = std::tan(20 * std::numbers::pi / 180), tanUp = tanAcross * 3 / 4;
    const double distance =
        1.1 * std::max(halfWidth / tanAcross, halfHeight / tanUp) + depth / 2 * std::cos(tilt);
    const double radius = 0.5 * std::sqrt(width * width + depth * depth + rise * rise);
    const double lookY = rise / 2;
    std::string scene;
    scene += "// " + std::to_string(terrain.width) + " x " + std::to_string(terrain.height) +
             " terrain from " + terrain.imagePath + "; render in this folder or add +L and it\n";
    scene += "#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\n\n";
    scene += "camera {\n  location " + Vector(0, lookY + distance * 0.55, -distance * 0.835) + "\n";
    scene += "  look_at " + Vector(0, lookY, 0) + "\n  right x * image_width / image_height\n  angle 40\n}\n\n";
    scene += "light_source { " + Vector(-2 * radius, 3 * radius, 2 * radius) + " color rgb 1 }\n";
    scene += "background { color rgb <0.55, 0.7, 0.9> }\n\n";
    scene += "height_field {\n  " + terrain.imageKind + " " + Quoted(terrain.imagePath) + "\n  smooth\n";
    // The gradient repeats at whole heights; squeezed a little, ground at 0 and peaks at 1
    // stay green and white instead of flickering between the two.
    scene += "  texture {\n    pigment { gradient y color_map { [0 rgb <0.2, 0.45, 0.15>] "
             "[0.6 rgb <0.5, 0.4, 0.25>] [1 rgb 1] } scale 1.002 translate -0.001 * y }\n"
             "    finish { ambient 0.15 diffuse 0.85 }\n  }\n";
    scene += "  translate <-0.5, 0, -0.5>\n  scale " + Vector(width, rise, depth) + "\n}\n";
    return scene;
}
