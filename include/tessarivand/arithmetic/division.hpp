#pragma once

#include "tessarivand/polynomial/polynomial.hpp"

// Encoding: see tessarivand/console/streams.hpp.

namespace tessarivand {

// Horner's scheme: returns the quotient Q of p by (X - mu), named "Q", and
// stores mu and the remainder p(mu) in p. Writes nothing. Every product is
// rounded before its sum (no fused multiply-add).
Polynomial quotientByBinomial(Polynomial& p, double mu);

// The division as the user sees it: computes as quotientByBinomial, then
// prints P(X) = (X - mu).(Q) + (r) in its framed block on standard output.
Polynomial divideByBinomial(Polynomial& p, double mu);

}  // namespace tessarivand
