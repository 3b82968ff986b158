#pragma once

#include "tessarivand/arithmetic/monomial.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

// a + b, named a.name+b.name, of the larger of the two degrees; that degree is
// never lowered, so leading coefficients that cancel stay as zeros. Only the
// meaningful coefficients are added: an entry above an operand's own degree
// (such as one left over from an earlier, higher entry) counts as 0. The
// result has variable "x", mu and remainder 0, and 0 above its degree.
// An operand whose degree breaks the limit is read only up to MaxTerms - 1,
// so the result's degree stays below MaxTerms. Writes nothing.
Polynomial sum(Polynomial a, Polynomial b);

// The sum of two monomials, as above, each term taken from its `coefficient`
// (copied into coefficients[degree] of the operand's own copy first). The
// caller's monomials are left unchanged.
Polynomial sum(Monomial a, Monomial b);

}  // namespace tessarivand
