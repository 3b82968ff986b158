#pragma once

#include <cstdint>

#include "tessarivand/arithmetic/division.hpp"
#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/numbers/rational.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"

namespace tessarivand {

// The exact division: division.hpp's functions and hornerTable take an
// ExactPolynomial and a Rational µ too.
using ExactHornerTable = BasicHornerTable<Rational>;

// Exact numbers grow at each step of the scheme, by about the size of µ: at
// degree 999, a µ of 30 digits over 30 gives sums of 60 000 digits, seconds
// of work and 30 MB of text. So a division is sized before it is made, from
// these sizes alone (in bits; a number's size is log2 of its magnitude,
// 0 for 0 and ±1), and every platform takes the same decision.
struct ExactDivisionSizes {
    std::uint32_t degree = 0;
    double muNumerator = 0.0;
    double muDenominator = 0.0;
    // The largest |numerator| of the coefficients, once they are all brought
    // to their common denominator (the lcm of theirs), and that denominator.
    double largestNumerator = 0.0;
    double commonDenominator = 0.0;
    // The coefficients' own numerators and denominators, all added up: the
    // table writes them as they are.
    double coefficients = 0.0;
};

ExactDivisionSizes exactDivisionSizes(const ExactPolynomial& p, const Rational& mu);

// What of a division fits within the budget: at most about a second of work
// and 16 MB of text.
enum class ExactDivisionFit : std::uint8_t {
    whole,         // the division, with its table when it is asked for
    withoutTable,  // the division, but its table alone would be too large
    none,          // not even the division
};

ExactDivisionFit exactDivisionFit(const ExactDivisionSizes& sizes, bool withTable);

// Whether the division (and, withTable, its table) fits whole.
bool exactDivisionFits(const ExactPolynomial& p, const Rational& mu, bool withTable);

}  // namespace tessarivand
