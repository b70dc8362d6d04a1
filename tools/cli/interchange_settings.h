#pragma once

#include <optional>
#include <string>

#include "document/field_document.h"
#include "interchange/gdal_heights.h"
#include "interchange/hillshade.h"
#include "map/map_colours.h"
#include "render/terrain_camera.h"

// The file a step wrote last, as --pov renders it.
struct SavedHeights {
    std::string path;
    int width = 0;
    int height = 0;
    int kind = kEightBitField;
};

// How --preview shows the field: the map's display choices (their light is --light's and
// --zfactor's), and the size it is fitted into as View > Fit Field fits it, 0 x 0 for 1:1.
struct PreviewSettings {
    MapChoices choices;
    int fitWidth = 0;
    int fitHeight = 0;
};

// What the interchange steps remember between steps of one command line.
struct InterchangeSettings {
    RawSize rawSize;  // from --raw-size; 0 x 0 takes a square from the file's length
    std::optional<HeightRange> importRange;  // from --import-range; none maps each band's own
    ShadeLight light;  // --light, and --zfactor for the shaded relief
    std::optional<double> verticalScale;  // --zfactor for --render and --pov
    std::optional<TerrainCamera> camera;   // --camera
    int renderWidth = 800;                 // --render-size
    int renderHeight = 600;
    std::optional<int> seamLimit;  // --seams fails beyond this
    SavedHeights lastSaved;
    PreviewSettings preview;
};
