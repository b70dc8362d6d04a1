#pragma once

#include <string>

// A terrain to render: the height image as the scene names it, and the field's size.
struct PovTerrain {
    std::string imagePath;  // relative to the scene's folder, or absolute
    std::string imageKind;  // the renderer's keyword for the image's format
    int width = 0;
    int height = 0;
};

// The renderer's keyword for a height image of this name, or "" for a format it cannot
// read as heights (RAW has no header to read).
std::string PovImageKind(const std::string& path);

// A scene that renders the terrain at once: the height field scaled to the field's
// proportions, lit from the upper left, seen from the bottom edge so all of it is in view.
std::string PovScene(const PovTerrain& terrain);
