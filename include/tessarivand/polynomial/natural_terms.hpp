#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tessarivand/numbers/rational.hpp"

namespace tessarivand {

// Polynomials as a class writes them, for exact mode's texts: each term with
// its own sign, a coefficient 1 left out, no term for a zero coefficient:
// "2 X^3 - 3 X^2 - 11 X + 6", "X^2 + 1", "-X + 1/2". The program's term
// form, "(2 X^3) + (-3 X^2)", stays that of the expression and of quotients.

// The one rule of a signed term: appends c X^power to text, as the first term
// ("-3 X^2", "X") or as a later one (" - 3 X^2", " + X"). A zero c appends
// nothing.
void appendSignedTerm(std::string& text, const Rational& c, std::uint32_t power, bool first);

// The terms of sum over k of coefficients[k] X^k, highest power first; "0"
// when every coefficient is zero.
std::string naturalTerms(const std::vector<Rational>& coefficients);

// The binomial X - root in parentheses: "(X - 3)", "(X + 3/2)", and "X" for
// the root 0.
std::string binomialText(const Rational& root);

}  // namespace tessarivand
