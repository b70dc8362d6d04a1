#include "core/palette.h"

namespace {

struct Ramp {
    vColor first;
    vColor last;
};

constexpr Ramp kRamps[15] = {
    {{0, 0, 0}, {0, 0, 15}},          {{74, 28, 16}, {129, 83, 31}},
    {{129, 83, 32}, {201, 155, 47}},  {{129, 83, 48}, {246, 200, 63}},
    {{249, 203, 64}, {255, 255, 79}}, {{8, 50, 80}, {8, 147, 95}},
    {{8, 147, 96}, {8, 221, 111}},    {{8, 221, 112}, {8, 255, 127}},
    {{88, 40, 128}, {166, 40, 143}},  {{166, 40, 144}, {228, 40, 159}},
    {{228, 40, 160}, {255, 40, 175}}, {{104, 104, 176}, {121, 121, 191}},
    {{121, 121, 192}, {139, 139, 207}}, {{139, 139, 208}, {210, 210, 223}},
    {{224, 224, 224}, {239, 239, 239}},
};

constexpr unsigned RampComponent(unsigned first, unsigned last, unsigned k) {
    return first + k * (last - first) / 15;
}

}  // namespace

Palette DefaultPalette() {
    Palette palette;
    for (int block = 0; block < 15; ++block) {
        const Ramp& ramp = kRamps[block];
        for (unsigned k = 0; k < 16; ++k) {
            palette[block * 16 + k] = vColor(RampComponent(ramp.first.R(), ramp.last.R(), k),
                                             RampComponent(ramp.first.G(), ramp.last.G(), k),
                                             RampComponent(ramp.first.B(), ramp.last.B(), k));
        }
    }
    palette[240] = vColor(240, 240, 240);
    for (int i = 241; i < 256; ++i) palette[i] = vColor(239, 239, 255);
    return palette;
}
