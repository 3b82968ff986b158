#pragma once

#include <initializer_list>

#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand::testing {

// A polynomial from its coefficients, highest power first, as one writes it:
// fromHighest({2, 0, -3, 1}) is 2X^3 - 3X + 1.
inline Polynomial fromHighest(std::initializer_list<double> coefficients) {
    Polynomial p;
    p.degree = static_cast<std::uint32_t>(coefficients.size() - 1);
    std::uint32_t k = p.degree;
    for (const double c : coefficients) p.coefficients[k--] = c;
    return p;
}

}  // namespace tessarivand::testing
