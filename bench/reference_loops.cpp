#include "reference_loops.hpp"

#include <cstdio>

namespace tessarivand::bench {

double hornerLoop(const Coefficients& a, std::uint32_t n, double mu, Coefficients& q) {
    if (n >= 1) q[n - 1] = a[n];
    for (auto k = static_cast<std::int64_t>(n) - 2; k >= 0; --k) q[k] = a[k + 1] + q[k + 1] * mu;
    return a[0] + q[0] * mu;
}

void partialProductLoop(const Coefficients& s, std::uint32_t m, const Coefficients& t, std::uint32_t n,
                        Coefficients& r) {
    for (std::uint32_t k = 0; k <= m + n; ++k) r[k] = 0.0;
    for (std::uint32_t i = 0; i <= m; ++i) {
        for (std::uint32_t j = 0; j <= n; ++j) r[i + j] = r[i + j] + t[j] * s[i];
    }
}

std::size_t printfEach(std::span<const double> values) {
    std::array<char, 32> text{};
    std::size_t total = 0;
    for (const double value : values) {
        total += static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%.6g", value));
    }
    return total;
}

void copyCoefficients(const Coefficients& from, Coefficients& to) { to = from; }

}  // namespace tessarivand::bench
