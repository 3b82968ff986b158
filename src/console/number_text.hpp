#pragma once

#include <string>

#include "tessarivand/console/number_format.hpp"
#include "tessarivand/console/rational.hpp"

// How a number of either kind is written, for the layout written once over
// the number type (the expression, the division, Horner's table): a double
// as formatReal writes it, a rational exactly, as formatRational does.
namespace tessarivand::console {

inline std::string formatNumber(double value) { return formatReal(value); }
inline std::string formatNumber(const Rational& value) { return formatRational(value); }

}  // namespace tessarivand::console
