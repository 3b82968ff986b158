#pragma once

// The bare loops that each operation of the library is measured against: the
// same arithmetic on plain arrays, with nothing around it. They live in a
// translation unit of their own, as the library's code does, so that neither
// side is inlined into its benchmark loop with the sizes known.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand::bench {

using Coefficients = std::array<double, MaxTerms>;

// Horner's scheme for a of degree n by (X - mu): q[n - 1] = a[n], then
// q[k] = a[k + 1] + q[k + 1] * mu down to 0; returns a[0] + q[0] * mu.
double hornerLoop(const Coefficients& a, std::uint32_t n, double mu, Coefficients& q);

// r[i + j] += s[i] * t[j] for i = 0 … m and j = 0 … n, r set to 0 first up to m + n.
void partialProductLoop(const Coefficients& s, std::uint32_t m, const Coefficients& t, std::uint32_t n,
                        Coefficients& r);

// Writes each value with snprintf("%.6g") into a buffer of its own; returns
// the total length, so that nothing is left unused.
std::size_t printfEach(std::span<const double> values);

// What a copy of the coefficients alone costs.
void copyCoefficients(const Coefficients& from, Coefficients& to);

}  // namespace tessarivand::bench
