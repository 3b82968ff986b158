#pragma once

#include <cstdint>

#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

// One term c·X^n, named "M". The coefficient stands twice, in `coefficient`
// and in coefficients[n]: multiply reads only `coefficient`, and the sum of
// two monomials puts it back into coefficients[degree] of its own copies.
struct Monomial : Polynomial {
    double coefficient = 0.0;

    // c·X^n with every other coefficient 0. A degree of MaxTerms or more has
    // no slot: it writes a capacity warning on standard output and gives the
    // zero monomial instead (degree 0, coefficient 0, every coefficient 0).
    Monomial(std::uint32_t n, double c);

    // q shifted up by m.degree places and scaled by m.coefficient, named
    // m.name×q.name, with variable "x" and mu and remainder 0. Reads nothing of
    // the monomial it is called on. When m.degree + q.degree reaches MaxTerms
    // the product has no room: it writes a capacity warning on standard output
    // and returns the zero polynomial of degree 0 under that name.
    static Polynomial multiply(Monomial m, Polynomial q);
};

}  // namespace tessarivand
