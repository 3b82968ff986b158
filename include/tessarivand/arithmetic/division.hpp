#pragma once

#include <type_traits>

#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

// The division by (X - mu), written once for both kinds of polynomial
// (Polynomial, ExactPolynomial): the same loop, in the same order of steps.
// In doubles every product is rounded before its sum (no fused multiply-add);
// in exact rationals nothing is rounded at all.

// Horner's scheme: returns the quotient Q of p by (X - mu), named "Q", and
// stores mu and the remainder p(mu) in p. Writes nothing.
template <typename Number>
BasicPolynomial<Number> quotientByBinomial(BasicPolynomial<Number>& p, const std::type_identity_t<Number>& mu);

// The same, with the division's Horner table recorded into table from that
// very pass.
template <typename Number>
BasicPolynomial<Number> quotientByBinomial(BasicPolynomial<Number>& p, const std::type_identity_t<Number>& mu,
                                           BasicHornerTable<Number>& table);

// p's latest division, whose quotient is given, as the user sees it:
// P(X) = (X - mu).(Q) + (r) in its framed block on standard output.
template <typename Number>
void printDivision(const BasicPolynomial<Number>& p, const BasicPolynomial<Number>& quotient);

// quotientByBinomial, then printDivision.
template <typename Number>
BasicPolynomial<Number> divideByBinomial(BasicPolynomial<Number>& p, const std::type_identity_t<Number>& mu);

}  // namespace tessarivand
