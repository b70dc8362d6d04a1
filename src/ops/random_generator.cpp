#include "ops/random_generator.h"

#include <cstring>
#include <ctime>

namespace {

// One vector of eight states; the compiler left a plain array of them scalar.
using Lanes = uint32_t __attribute__((vector_size(32)));
constexpr int kLanes = 8;

// Free rather than a member: not every compiler makes target clones of a member function.
// Fills numbers[0, count) from eight states a round apart, each stepped by eight rounds
// (multiplier, increment) at a time.
__attribute__((target_clones("avx2", "default")))
void DrawLanes(const uint32_t* first, uint32_t multiplier, uint32_t increment, int count, uint32_t* numbers) {
    Lanes states;
    std::memcpy(&states, first, sizeof states);
    int n = 0;
    for (; n + kLanes <= count; n += kLanes) {
        const Lanes drawn = (states >> 16) & 0x7FFF;
        std::memcpy(numbers + n, &drawn, sizeof drawn);
        states = states * multiplier + increment;
    }
    for (int lane = 0; n < count; ++lane, ++n) numbers[n] = (states[lane] >> 16) & 0x7FFF;
}

}  // namespace

void RandomGenerator::DrawRounds(int count, int stride, uint32_t* numbers) {
    const Leap round = Leap::Steps(stride);
    const Leap lanes = round.Repeated(kLanes);
    uint32_t states[kLanes];
    states[0] = round.Apply(state_);
    for (int lane = 1; lane < kLanes; ++lane) states[lane] = round.Apply(states[lane - 1]);
    DrawLanes(states, lanes.multiplier, lanes.increment, count, numbers);
    state_ = round.Repeated(count).Apply(state_);
}

uint32_t ClockSeed() { return uint32_t(std::time(nullptr)); }
