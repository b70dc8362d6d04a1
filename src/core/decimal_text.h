#pragma once

#include <cmath>
#include <cstdlib>
#include <string>

// A decimal number, whole or with a fraction and an exponent, finite, and nothing else:
// no blanks, no hexadecimal, no "inf" or "nan", as the batch tool's numbers are written.
inline bool ParseDecimal(const std::string& text, double& number) {
    if (text.empty() || text.find_first_not_of("+-.0123456789eE") != std::string::npos) return false;
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(number);
}
