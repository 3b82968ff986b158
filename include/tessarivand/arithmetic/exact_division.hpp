#pragma once

#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/console/rational.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"

// Encoding: see tessarivand/console/streams.hpp.

namespace tessarivand {

// The division by (X - mu) in exact arithmetic: the same loop, in the same
// order of steps, as the division of a Polynomial, with no rounding at all.
// Returns the quotient, named "Q", and stores mu and the remainder in p.
ExactPolynomial quotientByBinomial(ExactPolynomial& p, const Rational& mu);

// Computes as quotientByBinomial, then prints P(X) = (X - mu).(Q) + (r) in
// the real division's framed block, each number written exactly.
ExactPolynomial divideByBinomial(ExactPolynomial& p, const Rational& mu);

using ExactHornerTable = BasicHornerTable<Rational>;

// The table of the exact division, as hornerTable in doubles.
ExactHornerTable hornerTable(const ExactPolynomial& p, const Rational& mu);

// As printHornerTable in doubles, each number written exactly. Where a
// column cannot fit in 80 characters, the table is written as a list
// instead: for each power of X, its coefficient, product and sum on lines of
// their own, the remainder's behind a bar; a number too long for its line
// has a line to itself.
void printHornerTable(const ExactHornerTable& table);

// Exact numbers grow at each step of the scheme, by about the size of mu:
// at degree 999, a mu of 30 digits over 30 gives sums of 60 000 digits, a
// minute of work and 59 MB of text. Estimated from the degree and the sizes
// of mu and of the coefficients alone, before anything is computed: false
// when the division (and, withTable, its Horner table) would take more than
// about half a second or write more than 4 MB.
bool exactDivisionFits(const ExactPolynomial& p, const Rational& mu, bool withTable);

}  // namespace tessarivand
