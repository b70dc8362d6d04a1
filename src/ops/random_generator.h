#pragma once

#include <cstdint>

// The random-number generator of a roughen: a 32-bit linear congruential state giving
// numbers 0 to 32767.
class RandomGenerator {
public:
    static constexpr int kLargest = 0x7FFF;

    // state := seed, then one number is drawn and dropped.
    void Seed(uint32_t seed) {
        state_ = seed;
        Next();
    }

    int Next() {
        state_ = state_ * kMultiplier + kIncrement;
        return Number(state_);
    }

    // The same as count rounds of `stride` calls of Next(), keeping the last number of
    // round n in numbers[n]. Eight states a round apart advance together, so no round
    // waits on the one before and the eight fill one vector.
    void DrawRounds(int count, int stride, uint32_t* numbers);

private:
    static constexpr uint32_t kMultiplier = 22695477u;
    static constexpr uint32_t kIncrement = 1u;

    static int Number(uint32_t state) { return int((state >> 16) & 0x7FFF); }

    // n steps as one: state * multiplier + increment.
    struct Leap {
        uint32_t multiplier = 1;
        uint32_t increment = 0;

        static Leap Steps(int n) { return Leap{kMultiplier, kIncrement}.Repeated(n); }
        Leap Then(const Leap& next) const {
            return {multiplier * next.multiplier, increment * next.multiplier + next.increment};
        }
        uint32_t Apply(uint32_t state) const { return state * multiplier + increment; }
        // By squaring, for leaps over a whole row.
        Leap Repeated(int times) const {
            Leap result, power = *this;
            for (; times > 0; times >>= 1, power = power.Then(power)) {
                if (times & 1) result = result.Then(power);
            }
            return result;
        }
    };

    uint32_t state_ = 1;
};

// The calendar time in whole seconds, which seeds a roughen unless a seed is given.
uint32_t ClockSeed();
