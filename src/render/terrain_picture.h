#pragma once

#include <cstdint>
#include <vector>

#include "core/height_field.h"
#include "core/worker_pool.h"
#include "framework/draw/raster.h"
#include "map/map_colours.h"
#include "map/reduced_field.h"
#include "render/terrain_camera.h"

// What the 3D picture shows: the shot, and the map's colours for the values, its relief
// shading the slope of the ground at each pixel.
struct TerrainLook {
    TerrainShot shot;
    MapColours colours;
};

// The sky behind the terrain, by the slope of the ray: pale at the horizon and below,
// deeper blue overhead.
uint32_t SkyColour(double slope);

// The largest height a field of this kind can hold at this vertical scale.
double HighestHeight(const HeightField& field, double verticalScale);

// Draws the field in perspective into every pixel of picture: the terrain in its
// colours, lit by the sun, positions without a value left out, a chosen area's outline
// drawn on the ground, and a sky behind. Distant terrain is drawn from the reduced copy,
// which must be current, or without one from single positions (a rougher picture that
// needs nothing made first). The work is shared among the pool's threads in parts fixed
// by the picture, so the pixels never depend on how many threads drew them.
void RenderTerrain(const HeightField& field, const KnollReducedField* reduced, const TerrainLook& look,
                   Raster& picture, WorkerPool& workers);
