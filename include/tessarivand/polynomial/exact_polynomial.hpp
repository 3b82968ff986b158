#pragma once

#include "tessarivand/numbers/rational.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

// The exact mode's polynomial (--exact): Polynomial's fields and operations,
// with exact rational coefficients, µ and remainder; entered with fractions
// such as 2/3, written exactly (-3, -8/3). The sum and products stay
// Polynomial's.
using ExactPolynomial = BasicPolynomial<Rational>;

extern template class BasicPolynomial<Rational>;
extern template void writeTerms(const ExactPolynomial& p);

}  // namespace tessarivand
