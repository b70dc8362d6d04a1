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

// False for a name that holds a control character (a line break, a tab): a scene names
// the height image in a comment and a string, and such a name could add to the scene's
// language. Quotes and backslashes are escaped; everything else is written as it is.
bool PovCanName(const std::string& imagePath);

// A scene that renders the terrain at once: the height field scaled to the field's
// proportions, lit from the upper left, seen from the bottom edge so all of it is in view.
std::string PovScene(const PovTerrain& terrain);
