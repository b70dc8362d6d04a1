#pragma once

#include <array>
#include <optional>
#include <string>

// The value types of a raster of heights, as it is read and written back.
enum class RasterType { kByte, kUInt16, kInt16, kUInt32, kInt32, kUInt64, kInt64, kFloat32, kFloat64 };

bool IsIntegerType(RasterType type);

// Where a raster lies on the earth, as its file said.
struct Georeference {
    // From a position's column and row to map coordinates, with the raster's own rule.
    std::optional<std::array<double, 6>> transform;
    std::string projection;   // well-known text; empty when the file names none
    std::string areaOrPoint;  // "Area" or "Point": what a value stands for; empty when unsaid

    bool IsEmpty() const { return !transform && projection.empty(); }
};

// A field read from a raster of real heights: how each stored value maps to the raster's
// own value and to a height in the raster's units, the raster's value type, the value
// it gave positions without one, and its georeferencing: what a save needs to write the
// heights back as they came.
struct HeightSource {
    // The raster's value of a stored value: rawOffset + rawScale x stored.
    double rawOffset = 0;
    double rawScale = 1;
    // The height of a raster value, by the band's own scale and offset (mostly 1 and 0).
    double bandScale = 1;
    double bandOffset = 0;
    std::string units;  // as the raster names them ("m", "metre", "ft"); may be empty
    RasterType type = RasterType::kUInt16;
    std::optional<double> noData;
    Georeference georeference;
    std::string compression;  // the GeoTIFF compression to keep, empty for none

    bool TakenAsItIs() const { return rawOffset == 0 && rawScale == 1; }
    double RawValue(double stored) const { return rawOffset + rawScale * stored; }
    double Height(double stored) const { return bandOffset + bandScale * RawValue(stored); }
    // The height one stored step stands for.
    double HeightStep() const { return bandScale * rawScale; }
    // "853.2 m": the height of a stored value, to the precision of one step.
    std::string HeightText(int stored) const;
    // The mapping in words, "heights 236 to 1076 m stored as 0 to 65535 (0.013 m a
    // step)"; empty for values taken as they are.
    std::string MappingText() const;
    // Whether the read-out has something to add to the stored value: a mapping or units.
    bool SaysMoreThanValues() const { return !TakenAsItIs() || bandScale != 1 || bandOffset != 0 || !units.empty(); }

    // The scale at which a stored value stands for its height in true proportion to the
    // ground between positions: one step of height over the ground a position spans,
    // both in metres. Known for georeferenced heights in metres or feet (or without
    // units, taken as metres) on ground in metres, feet or degrees; nothing otherwise.
    std::optional<double> TrueVerticalScale() const;
    // After an expand (factor 0.5) or a shrink (2): the same ground in positions of
    // another size, from the same corner.
    void ScalePositions(double factor);
    // After a conversion that multiplied every stored value by factor (256 to 16 bits,
    // 1/256 to 8 bits): the same heights.
    void ScaleStoredValues(double factor) { rawScale /= factor; }
};
