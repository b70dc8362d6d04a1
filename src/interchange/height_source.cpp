#include "interchange/height_source.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

bool IsIntegerType(RasterType type) { return type != RasterType::kFloat32 && type != RasterType::kFloat64; }

namespace {

// A height with as many decimals as one step needs to show, and the units.
std::string Said(double height, double step, const std::string& units) {
    step = std::abs(step);
    int decimals = step > 0 ? std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 6) : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, height);
    return units.empty() ? text : text + (" " + units);
}

// Metres in one of these units, or nothing for units not known here.
std::optional<double> Metres(std::string units) {
    std::transform(units.begin(), units.end(), units.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (units.empty() || units == "m" || units == "metre" || units == "meter" || units == "metres" || units == "meters") {
        return 1.0;
    }
    if (units == "ft" || units == "foot" || units == "feet") return 0.3048;
    if (units == "us-ft" || units == "us survey foot") return 1200.0 / 3937;
    return std::nullopt;
}

// The ground's units as the projection's well-known text names them last: a projected
// system ends with its linear unit, a geographic one with degrees.
std::optional<double> GroundMetres(const std::string& projection, double latitude) {
    constexpr double kMetresPerDegree = 111320;
    const bool geographic = projection.rfind("GEOG", 0) == 0;
    if (geographic) return kMetresPerDegree * std::sqrt(std::abs(std::cos(latitude * 3.141592653589793 / 180)));
    if (projection.find("foot") != std::string::npos || projection.find("Foot") != std::string::npos) {
        return projection.find("US") != std::string::npos ? 1200.0 / 3937 : 0.3048;
    }
    return 1.0;
}

}  // namespace

std::optional<double> HeightSource::TrueVerticalScale() const {
    if (!georeference.transform) return std::nullopt;
    const std::array<double, 6>& t = *georeference.transform;
    const std::optional<double> heightMetres = Metres(units);
    // Degrees shrink across by the cosine of the latitude and not down: the mean of both.
    const std::optional<double> groundMetres = GroundMetres(georeference.projection, t[3]);
    const double position = std::sqrt(std::hypot(t[1], t[4]) * std::hypot(t[2], t[5]));
    if (!heightMetres || !groundMetres || !(position > 0)) return std::nullopt;
    const double scale = std::abs(HeightStep()) * *heightMetres / (position * *groundMetres);
    if (!std::isfinite(scale) || scale <= 0) return std::nullopt;
    return scale;
}

std::string HeightSource::HeightText(int stored) const { return Said(Height(stored), HeightStep(), units); }

std::string HeightSource::MappingText() const {
    if (TakenAsItIs()) return {};
    double step = HeightStep();
    return "heights " + Said(Height(0), step, "") + " to " + Said(Height(65535), step, units) +
           " stored as 0 to 65535 (" + Said(step, step / 10, units) + " a step)";
}

void HeightSource::ScalePositions(double factor) {
    if (!georeference.transform) return;
    std::array<double, 6>& t = *georeference.transform;
    for (int i : {1, 2, 4, 5}) t[size_t(i)] *= factor;
}
