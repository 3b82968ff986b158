#pragma once

// Shared by the monomial, the sum and the products; not part of the
// installed headers.

#include <cstdint>

#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand::detail {

inline constexpr const char* MonomialName = "M";
inline constexpr const char* ProductSign = "×";

// Degrees are added in 64 bits so that no sum of two 32-bit degrees wraps
// round below the limit.
inline bool fitsInSlots(std::uint64_t degree) { return degree < MaxTerms; }

// The warning of a product whose degree would reach MaxTerms.
void warnProductTooLarge();

// r.coefficients[shift + j] = q.coefficients[j] * factor for j = 0 … q.degree;
// every other slot of r is left as it is. The caller makes sure that
// shift + q.degree is below MaxTerms.
void writeShiftedScaled(Polynomial& r, std::uint32_t shift, double factor, const Polynomial& q);

// r.coefficients[k] = a's + b's entry k for k = 0 … the larger degree, an
// entry above an operand's own degree counting as 0; sets r.degree to that
// larger degree. r may be a itself. Operands are read only inside their slots.
void addCoefficients(const Polynomial& a, const Polynomial& b, Polynomial& r);

}  // namespace tessarivand::detail
