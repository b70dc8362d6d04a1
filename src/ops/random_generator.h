#pragma once

#include <cstdint>

// The program's one random-number generator: a 32-bit linear congruential state giving
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
        state_ = state_ * 22695477u + 1u;
        return int((state_ >> 16) & 0x7FFF);
    }

private:
    uint32_t state_ = 1;
};

RandomGenerator& TheRandomGenerator();

// The calendar time in whole seconds, which seeds a roughen unless a seed is given.
uint32_t ClockSeed();
