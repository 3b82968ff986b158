#pragma once

#include <array>
#include <cstdint>
#include <string>

// Encoding: see tessarivand/console/streams.hpp.

namespace tessarivand {

// Number of coefficient slots: every degree stays below it.
inline constexpr std::uint32_t MaxTerms = 1000;

// A real polynomial of degree below MaxTerms, stored densely, with the µ and
// the remainder of its latest division by (X - µ). A plain value: copied whole.
class Polynomial {
public:
    std::string name = "P";
    std::string variable = "x";  // stored and copied, never printed
    std::uint32_t degree = 0;
    // coefficients[k] multiplies X^k; only entries 0 to degree carry meaning.
    std::array<double, MaxTerms> coefficients{};
    double mu = 0.0;
    double remainder = 0.0;

    void setName(std::string newName);

    // The user types the degree, then the coefficients from the highest index
    // down; the polynomial is then shown as an expression.
    void enter();

    // Stores a degree from 0 to MaxTerms - 1; any other value is refused with
    // a warning on standard output and leaves degree unchanged.
    void setDegree(std::int32_t value);

    // Asks coefficients[degree] down to coefficients[0], then insists on a
    // non-zero leading coefficient when degree is not 0. A degree of MaxTerms
    // or more (stored directly in the field) has no slot for its leading
    // coefficient: the entry then writes setDegree's warning, asks nothing
    // and changes nothing.
    void enterCoefficients();

    // The framed title, the degree reminder, and the expression under the
    // given label (or the constant box for degree 0), on standard output.
    void displayExpression(std::string label) const;
};

// Writes the terms of p, whose degree is at least 1, on standard output:
// (c X^k) joined by " + ", zero and NaN coefficients left out.
void writeTerms(const Polynomial& p);

}  // namespace tessarivand
