#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/step.h"
#include "core/decimal_text.h"
#include "files/replacing_file.h"
#include "interchange/height_files.h"
#include "interchange/hillshade.h"
#include "interchange/png_heights.h"
#include "render/pov_scene.h"
#include "interchange/seams.h"
#include "render/terrain_scale.h"

namespace {

// ---- argument parsing -------------------------------------------------------------

std::optional<RawSize> ParseRawSize(const std::string& text) {
    RawSize size;
    if (!ParseFieldSize(text, size.width, size.height)) return std::nullopt;
    return size;
}

// "LOW:HIGH", two numbers, the first below the second.
std::optional<HeightRange> ParseHeightRange(const std::string& text) {
    size_t colon = text.find(':', 1);
    HeightRange range;
    if (colon == std::string::npos || !ParseDecimal(text.substr(0, colon), range.low) ||
        !ParseDecimal(text.substr(colon + 1), range.high) || !(range.low < range.high)) {
        return std::nullopt;
    }
    return range;
}

// The sun's direction, checked with the other parts of the light as they start.
std::optional<ShadeLight> ParseSun(const std::string& text) {
    size_t comma = text.find(',');
    ShadeLight light;
    if (comma == std::string::npos || !ParseDecimal(text.substr(0, comma), light.azimuth) ||
        !ParseDecimal(text.substr(comma + 1), light.altitude) || !IsUsableLight(light)) {
        return std::nullopt;
    }
    return light;
}

std::optional<double> ParseZFactor(const std::string& text) {
    ShadeLight light;
    if (!ParseDecimal(text, light.zFactor) || !IsUsableLight(light)) return std::nullopt;
    return light.zFactor;
}

std::optional<int> ParseSeamLimit(const std::string& text) {
    double limit = 0;
    if (!ParseDecimal(text, limit) || limit < 0 || limit > 65535 || limit != std::floor(limit)) return std::nullopt;
    return int(limit);
}

// ---- building steps ---------------------------------------------------------------

StepResult FailedWith(const std::string& path, const InterchangeError& error) {
    return StepResult::Failed(path + ": " + error);
}

// ---- scene and shaded relief --------------------------------------------------------

// The height file named relative to the scene's folder, so the two can move together.
std::string PathFromScene(const std::string& heightPath, const std::string& scenePath) {
    namespace fs = std::filesystem;
    std::error_code failed;
    fs::path height = fs::absolute(heightPath, failed);
    fs::path folder = fs::absolute(scenePath, failed).parent_path();
    fs::path relative = fs::relative(height, folder, failed);
    return failed || relative.empty() ? height.string() : relative.string();
}

StepResult WritePov(Session& session, const std::string& path) {
    const SavedHeights& saved = session.interchange.lastSaved;
    if (saved.path.empty()) return FailedWith(path, "nothing saved yet; --save or --export the field first");
    const ValueRange values = FieldValueRange(session.document.field(), session.workers);
    PovTerrain terrain{PathFromScene(saved.path, path), PovImageKind(saved.path), saved.width, saved.height,
                       saved.kind, values.low, values.high};
    if (terrain.imageKind.empty()) {
        return FailedWith(path, saved.path + " has no header to render from; export .png or .pgm first");
    }
    if (!PovCanName(terrain.imagePath)) {
        return FailedWith(path, "the height file's name or folder holds a control character (a line break, a tab), "
                                "which a scene cannot name; rename it");
    }
    std::string scene = PovScene(terrain, SessionShot(session));
    ReplacingFile file(path.c_str());
    file.Write(scene.data(), scene.size());
    if (!file.Commit()) return FailedWith(path, "cannot write the scene");
    return StepResult::Done();
}

// Grey with alpha, positions without a value transparent.
StepResult WriteHillshade(Session& session, const std::string& path) {
    const HeightField& field = session.document.field();
    const int width = field.width();
    ReliefShader shader(field, session.interchange.light);
    std::vector<uint8_t> grey(static_cast<size_t>(width));
    InterchangeError error = WriteGreyAlphaPng(path.c_str(), width, field.height(), [&](int y, uint8_t* row) {
        shader.ShadeNextRow(grey.data());
        const uint32_t* pixels = field.working().RowPixels(y);
        for (int x = 0; x < width; ++x) {
            row[2 * x] = grey[x];
            row[2 * x + 1] = pixels[x] == kNoValuePixel ? 0 : 255;
        }
    });
    return error.empty() ? StepResult::Done() : FailedWith(path, error);
}

// ---- seams --------------------------------------------------------------------------

std::string SeamText(const SeamMismatch& mismatch) {
    if (mismatch.pairs == 0) return "max=- mean=-";
    char text[64];
    std::snprintf(text, sizeof text, "max=%d mean=%.3f", mismatch.maximum, mismatch.mean);
    return text;
}

StepResult ReportSeams(Session& session) {
    SeamReport report = MeasureSeams(session.document.field());
    std::printf("seams left-right %s top-bottom %s\n", SeamText(report.leftRight).c_str(),
                SeamText(report.topBottom).c_str());
    const std::optional<int>& limit = session.interchange.seamLimit;
    int worst = std::max(report.leftRight.maximum, report.topBottom.maximum);
    if (limit && worst > *limit) {
        return StepResult::Failed("Edges differ by up to " + std::to_string(worst) + ", beyond " +
                                  std::to_string(*limit));
    }
    return StepResult::Done();
}

}  // namespace

void RegisterInterchangeSteps(StepRegistry& registry) {
    Step import = FileStep("--import", "FILE",
                           "replace the field with a .png, .pgm (8 or 16-bit), .r16/.raw or elevation raster "
                           "(.tif, .hgt, .asc, ...) and commit",
                           [](Session& session, const std::string& path) {
                               return ReadField(session, &FieldDocument::Import, path);
                           });
    import.handsRows = Always;
    registry.Add(import);
    Step rawSize = ParsedStep<RawSize>("--raw-size", "WxH", "the size of later imported .r16/.raw files that are not square",
                                   "a size like 1024x512 within a field's bounds", ParseRawSize,
                                   [](Session& session, RawSize size) {
                                         session.interchange.rawSize = size;
                                         return StepResult::Done();
                                     });
    rawSize.letsRowsPass = true;
    registry.Add(rawSize);
    Step importRange = ParsedStep<HeightRange>(
        "--import-range", "LOW:HIGH", "map later elevation rasters' heights LOW to HIGH onto 0 to 65535",
        "LOW:HIGH, two numbers with LOW below HIGH", ParseHeightRange, [](Session& session, HeightRange range) {
            session.interchange.importRange = range;
            return StepResult::Done();
        });
    importRange.letsRowsPass = true;
    registry.Add(importRange);
    Step exportStep = FileStep("--export", "FILE",
                               "write the values as .png or .pgm (the field's bits), .r16/.raw (16-bit) or .tif "
                               "(heights as read)",
                               [](Session& session, const std::string& path) {
                                   return FromSave(session, session.document.Export(path, session.RowsToWrite()));
                               });
    exportStep.writesField = true;
    registry.Add(exportStep);
    registry.Add(FileStep("--pov", "FILE.pov", "write a POV-Ray scene of the file saved or exported last",
                               WritePov));
    registry.Add(FileStep("--hillshade", "FILE.png", "write the shaded relief as a grey PNG, positions without value transparent", WriteHillshade));
    registry.Add(ParsedStep<ShadeLight>("--light", "AZ,ALT",
                                        "sun for later --hillshade, --render and --pov: azimuth and altitude in degrees (315,45)",
                                        "AZ,ALT with AZ from 0 to 360 and ALT from 0 to 90", ParseSun,
                                        [](Session& session, ShadeLight sun) {
                                            session.interchange.light.azimuth = sun.azimuth;
                                            session.interchange.light.altitude = sun.altitude;
                                            return StepResult::Done();
                                        }));
    registry.Add(ParsedStep<double>("--zfactor", "Z",
                                    "heights are values times Z for later --hillshade (1), --render and --pov (fitted)",
                                    "a number above 0 and at most 1000000", ParseZFactor,
                                    [](Session& session, double zFactor) {
                                        session.interchange.light.zFactor = zFactor;
                                        session.interchange.verticalScale = zFactor;
                                        return StepResult::Done();
                                    }));
    registry.Add(SimpleStep("--seams", "print how the left and right, top and bottom edges differ", ReportSeams));
    registry.Add(ParsedStep<int>("--seams-max", "N", "make later --seams fail when edges differ by more than N",
                                 "a whole number from 0 to 65535", ParseSeamLimit, [](Session& session, int limit) {
                                     session.interchange.seamLimit = limit;
                                     return StepResult::Done();
                                 }));
}
