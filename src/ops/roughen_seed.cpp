#include "ops/roughen_seed.h"

#include <optional>

#include "ops/random_generator.h"

namespace {

std::optional<uint32_t>& FixedSeed() {
    static std::optional<uint32_t> seed;
    return seed;
}

}  // namespace

void SetRoughenSeed(uint32_t seed) { FixedSeed() = seed; }

uint32_t RoughenSeed() { return FixedSeed() ? *FixedSeed() : ClockSeed(); }
