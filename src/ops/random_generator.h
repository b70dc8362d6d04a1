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
        state_ = state_ * kMultiplier + kIncrement;
        return Number(state_);
    }

    // The same as count rounds of `stride` calls of Next() keeping the last number of
    // each round in numbers[0..count). Four states a round apart advance together, so no
    // round waits on the one before.
    void DrawRounds(int count, int stride, uint16_t* numbers);

private:
    static constexpr uint32_t kMultiplier = 22695477u;
    static constexpr uint32_t kIncrement = 1u;

    static int Number(uint32_t state) { return int((state >> 16) & 0x7FFF); }

    uint32_t state_ = 1;
};

RandomGenerator& TheRandomGenerator();

// The calendar time in whole seconds, which seeds a roughen unless a seed is given.
uint32_t ClockSeed();
