#include "ops/random_generator.h"

#include <ctime>

namespace {

// n steps of the generator as one: state * multiplier + increment.
struct Leap {
    uint32_t multiplier = 1;
    uint32_t increment = 0;

    Leap Then(const Leap& next) const {
        return {multiplier * next.multiplier, increment * next.multiplier + next.increment};
    }
    uint32_t Apply(uint32_t state) const { return state * multiplier + increment; }
};

}  // namespace

void RandomGenerator::DrawRounds(int count, int stride, uint16_t* numbers) {
    const Leap step{kMultiplier, kIncrement};
    Leap round;
    for (int i = 0; i < stride; ++i) round = round.Then(step);
    Leap ahead[4];
    ahead[0] = round;
    for (int lane = 1; lane < 4; ++lane) ahead[lane] = ahead[lane - 1].Then(round);
    const Leap four = ahead[3];

    uint32_t s0 = ahead[0].Apply(state_), s1 = ahead[1].Apply(state_);
    uint32_t s2 = ahead[2].Apply(state_), s3 = ahead[3].Apply(state_);
    uint32_t last = state_;
    int n = 0;
    for (; n + 4 <= count; n += 4) {
        numbers[n] = uint16_t(Number(s0));
        numbers[n + 1] = uint16_t(Number(s1));
        numbers[n + 2] = uint16_t(Number(s2));
        numbers[n + 3] = uint16_t(Number(s3));
        last = s3;
        s0 = four.Apply(s0);
        s1 = four.Apply(s1);
        s2 = four.Apply(s2);
        s3 = four.Apply(s3);
    }
    const uint32_t rest[3] = {s0, s1, s2};
    for (int lane = 0; n < count; ++lane, ++n) {
        numbers[n] = uint16_t(Number(rest[lane]));
        last = rest[lane];
    }
    state_ = last;
}

RandomGenerator& TheRandomGenerator() {
    static RandomGenerator generator;
    return generator;
}

uint32_t ClockSeed() { return uint32_t(std::time(nullptr)); }
