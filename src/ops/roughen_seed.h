#pragma once

#include <cstdint>

// The seed each roughen starts from: the calendar time, unless the program was given a
// fixed seed, so that a run can be repeated exactly.
void SetRoughenSeed(uint32_t seed);
uint32_t RoughenSeed();
