// Writes the demo workspace: Intro.tga, a 400 x 400 8-bit terrain, and Std.pal, the
// default palette as a palette file. The terrain comes from a fixed seed, so every run
// writes the same bytes. Given a side and a file name, it writes only the same island
// at that size, finer detail added as the side grows (the tour's large field); a name
// ending ".ppm" gets it as a 16-bit field of heights in metres, 0 to 2390, as elevation
// models hold them.
//
//   make_intro_terrain DIRECTORY [SIDE NAME]

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/height_field.h"
#include "core/palette.h"
#include "core/ppm.h"
#include "core/tga.h"

namespace {

constexpr int kIntroSize = 400;
constexpr uint32_t kSeed = 20240611;

// A small generator of our own, so the terrain does not depend on the C library.
class Lattice {
public:
    Lattice(int cells, uint32_t seed) : cells_(cells), values_(size_t(cells + 1) * (cells + 1)) {
        uint32_t state = seed;
        for (double& value : values_) {
            state = state * 1664525u + 1013904223u;
            value = double(state >> 8) / double(1u << 24);
        }
    }

    // Smoothly interpolated lattice value at (u, v) in [0, 1).
    double At(double u, double v) const {
        double x = u * cells_, y = v * cells_;
        int cx = int(x), cy = int(y);
        double fx = Smooth(x - cx), fy = Smooth(y - cy);
        double top = Mix(Value(cx, cy), Value(cx + 1, cy), fx);
        double bottom = Mix(Value(cx, cy + 1), Value(cx + 1, cy + 1), fx);
        return Mix(top, bottom, fy);
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    static double Mix(double a, double b, double t) { return a + (b - a) * t; }
    double Value(int x, int y) const { return values_[size_t(y) * (cells_ + 1) + x]; }

    int cells_;
    std::vector<double> values_;
};

// Octaves of lattice noise down to cells of about four positions, raised towards the
// middle so the hills form an island: the 8-bit field's values, 0 to 239, or tenfold in
// metres.
std::vector<int> TerrainHeights(int side, bool metres) {
    std::vector<Lattice> octaves;
    for (int octave = 0; (3 << octave) * 4 <= side; ++octave) octaves.emplace_back(3 << octave, kSeed + octave);
    std::vector<int> heights(size_t(side) * side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            double u = (x + 0.5) / side, v = (y + 0.5) / side;
            double noise = 0, weight = 1, total = 0;
            for (const Lattice& lattice : octaves) {
                noise += weight * lattice.At(u, v);
                total += weight;
                weight *= 0.5;
            }
            double distance = std::hypot(u - 0.5, v - 0.5) / 0.7071;
            double height = noise / total * (1.15 - distance);
            heights[size_t(y) * side + x] =
                metres ? std::clamp(int(height * 4700) - 500, 0, 2390) : std::clamp(int(height * 470) - 50, 0, 239);
        }
    }
    return heights;
}

bool WriteTerrain(const std::string& path, int side) {
    const bool metres = path.size() > 4 && path.compare(path.size() - 4, 4, ".ppm") == 0;
    HeightField field;
    if (!field.ReplaceField(side, side)) return false;
    if (metres) field.SetKind(kSixteenBitField);
    std::vector<int> heights = TerrainHeights(side, metres);
    std::vector<vColor> row(side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) row[x] = field.ValueColor(heights[size_t(y) * side + x]);
        field.WriteRow(y, row.data());
    }
    std::vector<char> buffer(path.begin(), path.end());
    buffer.push_back('\0');
    return (metres ? SavePpm(field, buffer.data(), buffer.size()) : SaveTga(field, buffer.data(), buffer.size())) ==
           kSaveDone;
}

bool WritePaletteFile(const std::string& directory) {
    std::string path = directory + "/Std.pal";
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return false;
    for (const vColor& entry : DefaultPalette()) std::fprintf(file, "%d,%d,%d\n", entry.R(), entry.G(), entry.B());
    bool written = !std::ferror(file);
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: make_intro_terrain DIRECTORY [SIDE NAME]\n");
        return 2;
    }
    std::string directory = argv[1];
    bool written = argc == 4 ? WriteTerrain(directory + "/" + argv[3], std::atoi(argv[2]))
                             : WriteTerrain(directory + "/Intro.tga", kIntroSize) && WritePaletteFile(directory);
    if (!written) {
        std::fprintf(stderr, "make_intro_terrain: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
