#include "ops/random_generator.h"

#include <cstring>
#include <ctime>

#include "core/vector_clones.h"

KNOLL_CLONES("avx2", "default")
void RandomGenerator::DrawRounds(int count, int stride, uint32_t* numbers) {
    // One vector of eight states; the compiler left a plain array of them scalar.
    using Lanes = uint32_t __attribute__((vector_size(32)));
    constexpr int kLanes = 8;
    const Leap round = Leap::Steps(stride);
    const Leap lanes = round.Repeated(kLanes);
    Lanes states{};
    states[0] = round.Apply(state_);
    for (int lane = 1; lane < kLanes; ++lane) states[lane] = round.Apply(states[lane - 1]);
    int n = 0;
    for (; n + kLanes <= count; n += kLanes) {
        const Lanes drawn = (states >> 16) & 0x7FFF;
        std::memcpy(numbers + n, &drawn, sizeof drawn);
        states = states * lanes.multiplier + lanes.increment;
    }
    for (int lane = 0; n < count; ++lane, ++n) numbers[n] = uint32_t(Number(states[lane]));
    state_ = round.Repeated(count).Apply(state_);
}

uint32_t ClockSeed() { return uint32_t(std::time(nullptr)); }
