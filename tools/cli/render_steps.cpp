#include <optional>
#include <string>

#include "cli/step.h"
#include "map/reduced_field.h"
#include "render/terrain_picture.h"
#include "render/terrain_scale.h"

namespace {

struct PictureSize {
    int width;
    int height;
};

std::optional<PictureSize> ParsePictureSize(const std::string& text) {
    PictureSize size{};
    if (!ParseFieldSize(text, size.width, size.height)) return std::nullopt;
    return size;
}

StepResult Render(Session& session, const std::string& path) {
    const HeightField& field = session.document.field();
    KnollReducedField reduced;
    reduced.Update(field);
    MapChoices choices = session.interchange.preview.choices;
    choices.light = session.interchange.light;
    TerrainLook look{SessionShot(session), MapColours(field, choices, FieldValueRange(field, session.workers))};
    Raster picture;
    if (!picture.Resize(session.interchange.renderWidth, session.interchange.renderHeight)) {
        return StepResult::Failed(path + ": not enough memory for the picture");
    }
    RenderTerrain(field, &reduced, look, picture, session.workers);
    return WritePicture(picture, path);
}

}  // namespace

TerrainShot SessionShot(Session& session) {
    const InterchangeSettings& settings = session.interchange;
    const std::optional<double> scale = settings.verticalScale ? settings.verticalScale : session.document.TrueVerticalScale();
    TerrainShot shot = FrameTerrain(session.document.field(), session.workers, scale);
    if (settings.camera) shot.camera = *settings.camera;
    shot.sunAzimuth = settings.light.azimuth;
    shot.sunAltitude = settings.light.altitude;
    return shot;
}

void RegisterRenderSteps(StepRegistry& registry) {
    registry.Add(FileStep("--render", "FILE.png",
                          "draw the field in perspective, as the editor's 3D view does, as PNG ('-': standard output)",
                          Render));
    registry.Add(ParsedStep<TerrainCamera>(
        "--camera", "X,Y,Z:LX,LY,LZ:ANGLE",
        "camera for later --render and --pov: where it stands, the point it looks at, the angle across",
        "X,Y,Z:LX,LY,LZ:ANGLE with two different points and an angle from 1 to 170", ParseCamera,
        [](Session& session, TerrainCamera camera) {
            session.interchange.camera = camera;
            return StepResult::Done();
        }));
    registry.Add(ParsedStep<PictureSize>("--render-size", "WxH", "size of later --render pictures (800x600)",
                                         "a size like 1280x720 within a field's bounds",
                                         ParsePictureSize, [](Session& session, PictureSize size) {
                                             session.interchange.renderWidth = size.width;
                                             session.interchange.renderHeight = size.height;
                                             return StepResult::Done();
                                         }));
}
