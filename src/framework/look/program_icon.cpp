#include "framework/look/program_icon.h"

#include <cstdlib>

#include "framework/draw/color.h"

namespace {

constexpr vColor kSky(198, 222, 246);
constexpr vColor kGrass(64, 150, 64);
constexpr vColor kRidge(24, 88, 32);

// Height of the knoll's ridge above the bottom row at column x.
int RidgeHeight(int x) {
    int fromMiddle = std::abs(2 * x - (vProgramIconSize - 1));
    return 12 - fromMiddle * fromMiddle / 24;
}

Raster DrawIcon() {
    Raster icon(vProgramIconSize, vProgramIconSize);
    for (int x = 0; x < vProgramIconSize; ++x) {
        int ridge = vProgramIconSize - RidgeHeight(x);
        for (int y = 0; y < vProgramIconSize; ++y) {
            const vColor& color = y < ridge ? kSky : y == ridge ? kRidge : kGrass;
            icon.Set(x, y, color.Pixel());
        }
    }
    return icon;
}

}  // namespace

const Raster& vProgramIcon() {
    static const Raster icon = DrawIcon();
    return icon;
}
