#pragma once

#include <boost/multiprecision/cpp_int.hpp>

namespace tessarivand {

// The exact numbers of --exact: fractions of integers of unbounded size,
// always in lowest terms with a positive denominator.
using Rational = boost::multiprecision::cpp_rational;

}  // namespace tessarivand
