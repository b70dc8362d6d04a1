#include "interchange/height_source.h"

#include <algorithm>
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

}  // namespace

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
