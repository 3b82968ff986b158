#pragma once

#include <cstdint>

namespace tessarivand::bench {

// What a class would type: integers from -9 to 9, the leading one non-zero.
// Shared by the exact benchmarks and the FLINT peer, so that both divide the
// same polynomial.
template <typename AnyPolynomial>
AnyPolynomial classroomPolynomial(std::uint32_t degree) {
    AnyPolynomial p;
    p.degree = degree;
    for (std::uint32_t k = 0; k <= degree; ++k) p.coefficients[k] = static_cast<int>((k * 7919U) % 19U) - 9;
    if (p.coefficients[degree] == 0) p.coefficients[degree] = 1;
    return p;
}

}  // namespace tessarivand::bench
