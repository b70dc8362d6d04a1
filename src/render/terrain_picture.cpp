#include "render/terrain_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "interchange/hillshade.h"
#include "render/picture_lines.h"
#include "render/terrain_levels.h"
#include "render/terrain_march.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180;
// Light that reaches every face, and the part the sun adds to a face turned to it.
constexpr float kAmbient = 0.3f;
constexpr float kDiffuse = 0.7f;
// Lines drawn by one part of the work.
constexpr int kLinesPerPart = 16;

constexpr uint32_t kHorizon[3] = {206, 222, 240};
constexpr uint32_t kZenith[3] = {70, 120, 200};
constexpr uint32_t kOutlineCore = 0xFFFEFF;  // the map outline's near-white core
constexpr uint32_t kOutlineEdge = 0x000000;

uint32_t Pack(float r, float g, float b) {
    auto byte = [](float c) { return uint32_t(std::clamp(c + 0.5f, 0.0f, 255.0f)); };
    return byte(r) | byte(g) << 8 | byte(b) << 16;
}

// Colours each pixel from what the march found there.
class PictureShader : public PixelShader {
public:
    PictureShader(const HeightField& field, const TerrainLook& look, const CameraView& view, Raster& picture)
        : field_(field),
          colours_(look.colours),
          picture_(picture.Data()),
          focal_(float(view.focal)),
          perValue_(float(1 / look.shot.verticalScale)),
          relief_(look.colours.choices().light, 3, 3) {
        const double azimuth = look.shot.sunAzimuth * kRadians, altitude = look.shot.sunAltitude * kRadians;
        sun_[0] = float(std::sin(azimuth) * std::cos(altitude));
        sun_[1] = float(-std::cos(azimuth) * std::cos(altitude));
        sun_[2] = float(std::sin(altitude));
        // Level ground shows the map's colour itself.
        level_ = kAmbient + kDiffuse * std::max(sun_[2], 0.0f);
    }

    void Terrain(int index, const SurfacePoint& point) override {
        uint32_t colour = colours_.Of(uint32_t(point.value));
        if (colours_.choices().relief) colour = MapColours::Shaded(colour, ReliefShade(point));
        const uint32_t outline = Outline(point);
        if (outline != kNoOutline) {
            picture_[index] = outline;
            return;
        }
        const float facing = (-point.slopeX * sun_[0] - point.slopeY * sun_[1] + sun_[2]) /
                             std::sqrt(1 + point.slopeX * point.slopeX + point.slopeY * point.slopeY);
        const float light = (kAmbient + kDiffuse * std::max(facing, 0.0f)) / level_;
        picture_[index] = Pack(float(colour & 0xFF) * light, float((colour >> 8) & 0xFF) * light,
                               float((colour >> 16) & 0xFF) * light);
    }

    void Sky(int index, double slope) override { picture_[index] = SkyColour(slope); }

private:
    // The relief's shade of the ground's plane at the point, as the map shades a position
    // whose neighbours lie on that plane.
    uint8_t ReliefShade(const SurfacePoint& point) {
        const float across = point.slopeX * perValue_, down = point.slopeY * perValue_;
        float rows[3][3];
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 3; ++i) rows[j][i] = across * float(i - 1) + down * float(j - 1);
        }
        uint8_t shade = 0;
        relief_.ShadeRun(1, 1, 1, rows[0], rows[1], rows[2], false, &shade);
        return shade;
    }

    static constexpr uint32_t kNoOutline = 0xFFFFFFFF;

    // Where the chosen area's edge passes within half a pixel, the outline's core; within
    // a pixel and a half, its dark edge.
    uint32_t Outline(const SurfacePoint& point) const {
        if (!field_.HasMask()) return kNoOutline;
        const double pixel = point.across * std::sqrt(1 + point.rise * point.rise) / focal_;
        if (Crosses(point, 0.5 * pixel)) return kOutlineCore;
        if (Crosses(point, 1.5 * pixel)) return kOutlineEdge;
        return kNoOutline;
    }

    // Whether the corners of a square of that half side around the point lie on both
    // sides of the edge.
    bool Crosses(const SurfacePoint& point, double half) const {
        int sides = 0;
        for (int corner = 0; corner < 4; ++corner) {
            const double x = point.x + (corner & 1 ? half : -half), y = point.y + (corner & 2 ? half : -half);
            const int ix = std::clamp(int(std::lround(x)), 0, field_.width() - 1);
            const int iy = std::clamp(int(std::lround(y)), 0, field_.height() - 1);
            sides |= 1 << field_.MaskTest(ix, iy);
        }
        return sides == 3;
    }

    const HeightField& field_;
    const MapColours& colours_;
    uint32_t* picture_;
    float focal_;
    float perValue_;  // values per unit of height
    RunShader relief_;
    float sun_[3];
    float level_;
};

}  // namespace

uint32_t SkyColour(double slope) {
    const float rise = float(std::clamp(slope / std::sqrt(1 + slope * slope), 0.0, 1.0));
    const float t = rise * (2 - rise);
    return Pack(kHorizon[0] + t * (float(kZenith[0]) - kHorizon[0]), kHorizon[1] + t * (float(kZenith[1]) - kHorizon[1]),
                kHorizon[2] + t * (float(kZenith[2]) - kHorizon[2]));
}

double HighestHeight(const HeightField& field, double verticalScale) { return field.MaxValue() * verticalScale; }

void RenderTerrain(const HeightField& field, const KnollReducedField* reduced, const TerrainLook& look,
                   Raster& picture, WorkerPool& workers) {
    if (picture.IsEmpty()) return;
    const CameraView view(look.shot.camera, picture.Width(), picture.Height());
    const PictureLines lines(view);
    const TerrainLevels levels(field, reduced, look.shot.verticalScale);
    const double highest = HighestHeight(field, look.shot.verticalScale);
    const int parts = (lines.Count() + kLinesPerPart - 1) / kLinesPerPart;
    workers.Run(parts, [&](int part) {
        LineMarch march(levels, view, highest);
        PictureShader shader(field, look, view, picture);
        std::vector<LinePixel> pixels;
        const int end = std::min((part + 1) * kLinesPerPart, lines.Count());
        for (int line = part * kLinesPerPart; line < end; ++line) {
            lines.Pixels(line, pixels);
            march.Run(lines.Direction(line), pixels, shader);
        }
    });
}
