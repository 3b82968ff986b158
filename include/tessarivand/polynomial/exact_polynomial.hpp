#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tessarivand/console/rational.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

// Encoding: see tessarivand/console/streams.hpp.

namespace tessarivand {

// The exact mode's polynomial (--exact): Polynomial's fields and operations,
// with exact rational coefficients, µ and remainder. The sum and products
// stay Polynomial's.
class ExactPolynomial {
public:
    std::string name = "P";
    std::uint32_t degree = 0;
    // MaxTerms entries, as Polynomial's array; coefficients[k] multiplies
    // X^k, and only entries 0 to degree carry meaning. On the free store: a
    // number of unbounded size holds its digits there anyway.
    std::vector<Rational> coefficients = std::vector<Rational>(MaxTerms);
    Rational mu;
    Rational remainder;

    void setName(std::string newName);

    // As Polynomial's: the degree, the coefficients read exactly (fractions
    // such as 2/3 accepted), then the expression.
    void enter();
    void setDegree(std::int32_t value);
    void enterCoefficients();
    void displayExpression(std::string label) const;
};

// As writeTerms for Polynomial, each coefficient written exactly: -3, -8/3.
void writeTerms(const ExactPolynomial& p);

}  // namespace tessarivand
