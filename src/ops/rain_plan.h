#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// Which droplets fall where and in what order, fixed by the field's size, the number of
// droplets and the seed alone, so a rain gives the same field on any number of threads.
//
// The field is cut into square tiles, coloured like a chessboard of 2 x 2 colours, and
// the rain falls in rounds: in each round the tiles of one colour after the other take
// their share of the round's droplets, each starting inside its tile. Tiles of one
// colour lie a whole tile apart, farther than two droplets can reach, so they can be
// worked on at the same time without touching the same ground.
class RainPlan {
public:
    static constexpr int kTile = 128;
    static constexpr int kColours = 4;
    // Droplets over the whole field in one round. A tile's droplets of a round run one
    // after the other while its ground is at hand in the cache, so fewer and larger
    // rounds run faster: a quarter of a million gives 256 a tile on a 4096 x 4096 field.
    static constexpr int64_t kRoundDroplets = 262144;

    RainPlan(int width, int height, int64_t droplets, uint32_t seed);

    int64_t droplets() const { return droplets_; }
    int rounds() const { return rounds_; }
    int tiles() const { return int(tileDroplets_.size()); }
    // The tiles of a colour, by index.
    const std::vector<int>& TilesOf(int colour) const { return colours_[size_t(colour)]; }
    int64_t DropletsOf(int tile, int round) const;

    // Calls start(x, y) with the start of each of the tile's droplets in a round, in order.
    template <class Start>
    void ForEachDroplet(int tile, int round, Start&& start) const {
        const int64_t count = DropletsOf(tile, round);
        uint64_t state = TileSeed(tile, round);
        const int left = (tile % columns_) * kTile, top = (tile / columns_) * kTile;
        const float width = float(std::min(kTile, width_ - left)), height = float(std::min(kTile, height_ - top));
        for (int64_t i = 0; i < count; ++i) {
            const float x = float(left) + Fraction(state) * width;
            const float y = float(top) + Fraction(state) * height;
            start(x, y);
        }
    }

    // Every droplet of the rain, in the order the rain lets them fall.
    template <class Start>
    void ForEachDroplet(Start&& start) const {
        for (int round = 0; round < rounds_; ++round) {
            for (int colour = 0; colour < kColours; ++colour) {
                for (int tile : TilesOf(colour)) ForEachDroplet(tile, round, start);
            }
        }
    }

private:
    uint64_t TileSeed(int tile, int round) const;
    // The next number of a splitmix64 sequence as a fraction in [0, 1).
    static float Fraction(uint64_t& state);

    int width_;
    int height_;
    int columns_;
    int64_t droplets_;
    uint32_t seed_;
    int rounds_;
    std::vector<int64_t> tileDroplets_;
    std::vector<int> colours_[kColours];
};
