#pragma once

#include <cstdint>
#include <string>

namespace tessarivand::console {

// The one place where numbers become text. Reals: six significant digits in
// general notation, with the exponent always written with three digits
// (1.23457e+006, 1e-005), whatever the platform or the user's locale.
std::string formatReal(double value);

// Degrees, indices, exponents and menu choices: plain decimal.
std::string formatInteger(std::int64_t value);

}  // namespace tessarivand::console
