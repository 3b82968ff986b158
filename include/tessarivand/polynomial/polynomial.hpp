#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tessarivand/numbers/limits.hpp"

namespace tessarivand {

// MaxTerms coefficient slots: a double's in place, so that a Polynomial is
// one plain block; any other number's on the free store, where a number of
// unbounded size holds its digits anyway.
template <typename Number>
struct CoefficientSlots {
    using Type = std::vector<Number>;
    static Type make() { return Type(MaxTerms); }
};
template <>
struct CoefficientSlots<double> {
    using Type = std::array<double, MaxTerms>;
    static constexpr Type make() { return {}; }
};

// A polynomial of degree below MaxTerms over a number type, stored densely,
// with the µ and the remainder of its latest division by (X - µ). A plain
// value: copied whole.
template <typename Number>
class BasicPolynomial {
public:
    std::string name = "P";
    std::string variable = "x";  // stored and copied, never printed
    std::uint32_t degree = 0;
    // coefficients[k] multiplies X^k; only entries 0 to degree carry meaning.
    typename CoefficientSlots<Number>::Type coefficients = CoefficientSlots<Number>::make();
    Number mu{};
    Number remainder{};

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

// The real polynomial, in doubles.
using Polynomial = BasicPolynomial<double>;

// Writes the terms of p, whose degree is at least 1, on standard output:
// (c X^k) joined by " + ", zero and NaN coefficients left out.
template <typename Number>
void writeTerms(const BasicPolynomial<Number>& p);

extern template class BasicPolynomial<double>;
extern template void writeTerms(const Polynomial& p);

}  // namespace tessarivand
