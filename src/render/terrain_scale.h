#pragma once

#include <optional>

#include "core/height_field.h"
#include "core/worker_pool.h"
#include "map/map_colours.h"
#include "render/terrain_camera.h"

// The lowest and highest value a field holds, read by all the pool's threads; 0 to 0
// when it has none.
ValueRange FieldValueRange(const HeightField& field, WorkerPool& workers);

// The vertical scale a field is shown at unless one is given: its values, lowest to
// highest, rise a quarter of its longer side, so that a field with little relief and
// one that spans every value both look like terrain. A field of one value, or none, is
// shown at scale 1.
double FittedVerticalScale(const HeightField& field, const ValueRange& range);

// The field at a vertical scale, as DefaultCamera frames it.
TerrainExtent ExtentOf(const HeightField& field, const ValueRange& range, double verticalScale);

// The shot a field is first shown with: at the vertical scale given, or else the fitted
// one, from the default camera, in the default sun.
TerrainShot FrameTerrain(const HeightField& field, WorkerPool& workers, std::optional<double> verticalScale = {});
