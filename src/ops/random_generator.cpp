#include "ops/random_generator.h"

#include <ctime>

RandomGenerator& TheRandomGenerator() {
    static RandomGenerator generator;
    return generator;
}

uint32_t ClockSeed() { return uint32_t(std::time(nullptr)); }
