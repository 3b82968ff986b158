#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <string>

#include "tessarivand/numbers/number_format.hpp"

namespace tessarivand {

// The exact numbers of --exact: fractions of integers of unbounded size,
// always in lowest terms with a positive denominator.
using Rational = boost::multiprecision::cpp_rational;

namespace numbers {

// Exact numbers as text, beside formatReal: an integer as its digits (-3),
// any other value as p/q in lowest terms with the sign on p (-8/3). Never an
// exponent, never rounded, never -0.
std::string formatRational(const Rational& value);

inline std::string formatNumber(const Rational& value) { return formatRational(value); }
inline std::string formatPrecise(const Rational& value) { return formatRational(value); }

}  // namespace numbers

}  // namespace tessarivand
