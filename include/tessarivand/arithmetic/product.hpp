#pragma once

#include <cstdint>

#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

// A product splits its factor of smaller degree into at most this many terms.
inline constexpr std::uint32_t MaxSplitTerms = 100;

// Both products give a × b of degree da + db (also when a leading coefficient
// is 0). They split the factor s of smaller degree m (the first operand when
// the degrees are equal) into the m + 1 monomials s[i]·X^i, zero ones
// included, multiply the other factor t by each, and add these partial
// products up in increasing i, every product and sum rounded to a double.
//
// A refused product writes a warning on standard output (no line break after
// it) and returns all zero coefficients, named a.name×b.name, with variable
// "x" and mu and remainder 0:
// - m of MaxSplitTerms or more: the product's own stack warning; the result
//   has degree da + db when that is below MaxTerms, else degree 0;
// - otherwise, da + db of MaxTerms or more (no room for the result): the
//   capacity warning, "Dépassement de la capacité", and degree 0.

// Keeps the m + 1 partial products in a table of MaxSplitTerms polynomials on
// the stack (about 800 KB), then sums them. Named "M×" + t.name, m + 1 times,
// joined by "+".
Polynomial tableProduct(Polynomial a, Polynomial b);

// Adds each partial product into the result as it comes, with no table. Named
// a.name×b.name followed m + 1 times by "+M×" + t.name.
Polynomial runningProduct(Polynomial a, Polynomial b);

}  // namespace tessarivand
