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

    // The same as count rounds of `stride` calls of Next(), calling use(n, number) with
    // the last number of round n. Four states a round apart advance together, so no round
    // waits on the one before.
    template <class Use>
    void DrawRounds(int count, int stride, Use&& use);

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

template <class Use>
void RandomGenerator::DrawRounds(int count, int stride, Use&& use) {
    const Leap round = Leap::Steps(stride);
    const Leap four = round.Repeated(4);
    uint32_t s0 = round.Apply(state_);
    uint32_t s1 = round.Apply(s0), s2 = round.Apply(s1), s3 = round.Apply(s2);
    int n = 0;
    for (; n + 4 <= count; n += 4) {
        use(n, Number(s0));
        use(n + 1, Number(s1));
        use(n + 2, Number(s2));
        use(n + 3, Number(s3));
        s0 = four.Apply(s0);
        s1 = four.Apply(s1);
        s2 = four.Apply(s2);
        s3 = four.Apply(s3);
    }
    const uint32_t rest[3] = {s0, s1, s2};
    for (int lane = 0; n < count; ++lane, ++n) use(n, Number(rest[lane]));
    state_ = round.Repeated(count).Apply(state_);
}

// The calendar time in whole seconds, which seeds a roughen unless a seed is given.
uint32_t ClockSeed();
