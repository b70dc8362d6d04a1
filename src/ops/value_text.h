#pragma once

#include <cstdint>
#include <string_view>

// The VALUE text of the Rough and Wacks dialogs as the drivers read it: the first 11
// characters, leading white space skipped, an optional sign, digits up to the first
// other character. No number reads as 0; a number beyond 32 bits as the nearest limit.
int32_t ReadValueText(std::string_view text);

inline constexpr size_t kValueTextLimit = 11;
