#include "ops/random_generator.h"

#include <ctime>

uint32_t ClockSeed() { return uint32_t(std::time(nullptr)); }
