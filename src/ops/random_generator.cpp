#include "ops/random_generator.h"

#include <ctime>

__attribute__((target_clones("avx2", "default")))
void RandomGenerator::DrawRounds(int count, int stride, uint32_t* numbers) {
    constexpr int kLanes = 8;
    const Leap round = Leap::Steps(stride);
    const Leap lanes = round.Repeated(kLanes);
    uint32_t states[kLanes];
    states[0] = round.Apply(state_);
    for (int lane = 1; lane < kLanes; ++lane) states[lane] = round.Apply(states[lane - 1]);
    int n = 0;
    for (; n + kLanes <= count; n += kLanes) {
        for (int lane = 0; lane < kLanes; ++lane) {
            numbers[n + lane] = uint32_t(Number(states[lane]));
            states[lane] = lanes.Apply(states[lane]);
        }
    }
    for (int lane = 0; n < count; ++lane, ++n) numbers[n] = uint32_t(Number(states[lane]));
    state_ = round.Repeated(count).Apply(state_);
}

uint32_t ClockSeed() { return uint32_t(std::time(nullptr)); }
