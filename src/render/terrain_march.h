#pragma once

#include <cstddef>
#include <vector>

#include "render/picture_lines.h"
#include "render/terrain_levels.h"

// Where a pixel's ray meets the terrain.
struct SurfacePoint {
    double x;         // field position
    double y;
    double across;    // distance from the eye across the field
    double rise;      // the ray's height gained per unit across
    int value;        // of the nearest vertex
    float slopeX;     // height gained per position across and down the field
    float slopeY;
};

// What the march reports, pixel by pixel.
class PixelShader {
public:
    virtual ~PixelShader() = default;
    virtual void Terrain(int index, const SurfacePoint& point) = 0;
    virtual void Sky(int index, double slope) = 0;
};

// Walks the terrain outwards along the vertical plane of one picture line and finds
// where each of the line's rays, lowest first, meets it. The terrain between the
// vertices is the one POV-Ray builds from a height image: each square of four vertices
// cut into two triangles along the diagonal from its top-left to its bottom-right
// corner. The walk stops at every edge, so no peak between two steps is missed. Further
// away it walks coarser levels, a vertex for about three pixels of the picture.
class LineMarch {
public:
    // highest bounds every height of the field.
    LineMarch(const TerrainLevels& levels, const CameraView& view, double highest);

    void Run(Vec3 direction, const std::vector<LinePixel>& pixels, PixelShader& shader);

private:
    // The square of vertices the walk is in, at the level it walks: (column, row) is its
    // top-left corner, which may lie one beyond the level's vertices at the field's
    // edge, where the nearest vertices stand in for the missing ones.
    struct Cell {
        int level;
        int column;
        int row;
        double height[4];  // top-left, top-right, bottom-left, bottom-right; NaN for none
    };

    // Walks one level from `from` until it gives way to the next or the field ends;
    // returns where it stopped.
    double WalkLevel(int level, double from, double to);
    void Load(int level, int column, int row);
    // Moves one square across or down, keeping the two corners the squares share.
    void StepAcross(int direction);
    void StepDown(int direction);
    void Fetch(int corner, int column, int row);
    // The surface's height at (x, y) in the level's vertex units, on the square's upper
    // triangle (right of the diagonal) or its lower one; NaN where a corner has none.
    double HeightAt(double x, double y, bool upper) const;
    // One piece of the walk inside one triangle, its height changing linearly.
    void Segment(double a, double heightA, double b, double heightB, bool upper);
    // The same where something happens: a ray meets the surface, comes out from beneath
    // it, or the surface begins.
    void SegmentEvents(double a, double heightA, double b, double heightB, bool upper);
    // The ray of pixel above_, which the next piece of surface may meet.
    void NextPending();
    bool FieldRange(double& from, double& to) const;
    bool InField(const LinePixel& pixel, double distance) const;
    SurfacePoint Hit(double s, bool upper, double slope) const;
    int LevelAt(double distance) const;

    const TerrainLevels& levels_;
    const CameraView& view_;
    double highest_;
    double inverseScale_;
    // Distances across the field where each level gives way to the next.
    double levelEnds_[TerrainLevels::kLevels];

    // The line being walked: its direction, in the level's vertex units where a point
    // at distance s lies at start + s * rate, and its pixels still to place. Pixels from
    // next_ to above_ entered beneath the surface.
    Vec3 direction_;
    double startX_ = 0, startY_ = 0, rateX_ = 0, rateY_ = 0;
    const std::vector<LinePixel>* pixels_ = nullptr;
    PixelShader* shader_ = nullptr;
    size_t next_ = 0;
    size_t above_ = 0;
    bool entering_ = true;
    bool finished_ = false;
    double pendingSlope_ = 0;
    Cell cell_{};
};
