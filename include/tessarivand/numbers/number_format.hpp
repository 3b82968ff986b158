#pragma once

#include <cstdint>
#include <string>

namespace tessarivand::numbers {

// The one place where numbers become text. Reals: six significant digits in
// general notation, with the exponent always written with three digits
// (1.23457e+006, 1e-005), whatever the platform or the user's locale.
std::string formatReal(double value);

// Degrees, indices, exponents and menu choices: plain decimal.
std::string formatInteger(std::int64_t value);

// A real for another program to read back (the page's curve): 17
// significant digits, which give the double's every bit, and a point.
std::string formatPrecise(double value);

// A number of either kind as the program writes it; rational.hpp has the
// exact one's.
inline std::string formatNumber(double value) { return formatReal(value); }

}  // namespace tessarivand::numbers
