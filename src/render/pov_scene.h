#pragma once

#include <string>

#include "core/height_field.h"
#include "render/terrain_camera.h"

// A terrain to render: the height image as the scene names it, the field's size and the
// kind of the values the image holds.
struct PovTerrain {
    std::string imagePath;  // relative to the scene's folder, or absolute
    std::string imageKind;  // the renderer's keyword for the image's format
    int width = 0;
    int height = 0;
    int kind = kEightBitField;
    // The values it holds, lowest to highest, which the colours span.
    int lowest = 0;
    int highest = 0;
};

// The renderer's keyword for a height image of this name, or "" for a format it cannot
// read as heights (RAW has no header to read).
std::string PovImageKind(const std::string& path);

// False for a name that holds a control character (a line break, a tab): a scene names
// the height image in a comment and a string, and such a name could add to the scene's
// language. Quotes and backslashes are escaped; everything else is written as it is.
bool PovCanName(const std::string& imagePath);

// A scene that renders the terrain at once, in the field's own units, as the 3D picture
// shows it: the same camera, the same vertical scale, a sun from the same direction.
// The terrain's colours run from green to white over the heights it has.
std::string PovScene(const PovTerrain& terrain, const TerrainShot& shot);
