#pragma once

#include <optional>
#include <string>

#include "interchange/hillshade.h"

// The file a step wrote last, as --pov renders it.
struct SavedHeights {
    std::string path;
    int width = 0;
    int height = 0;
};

// What the interchange steps remember between steps of one command line.
struct InterchangeSettings {
    int rawWidth = 0;  // RAW size from --raw-size; 0 takes a square from the file's length
    int rawHeight = 0;
    ShadeLight light;
    std::optional<int> seamLimit;  // --seams fails beyond this
    SavedHeights lastSaved;
};
