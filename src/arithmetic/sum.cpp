#include "tessarivand/arithmetic/sum.hpp"

#include <algorithm>
#include <cstdint>

#include "terms.hpp"

namespace tessarivand {

namespace {

std::uint32_t meaningfulDegree(const Polynomial& p) { return std::min(p.degree, MaxTerms - 1); }

Polynomial sumOf(const Polynomial& a, const Polynomial& b) {
    Polynomial r;
    r.name = a.name + "+" + b.name;
    detail::addCoefficients(a, b, r);
    return r;
}

void placeTerm(Monomial& m) {
    if (detail::fitsInSlots(m.degree)) m.coefficients[m.degree] = m.coefficient;
}

}  // namespace

namespace detail {

void addCoefficients(const Polynomial& a, const Polynomial& b, Polynomial& r) {
    const std::uint32_t da = meaningfulDegree(a);
    const std::uint32_t db = meaningfulDegree(b);
    const std::uint32_t low = std::min(da, db);
    const std::uint32_t high = std::max(da, db);
    const auto& x = a.coefficients;
    const auto& y = b.coefficients;
    auto& z = r.coefficients;
    for (std::uint32_t k = 0; k <= low; ++k) z[k] = x[k] + y[k];
    // Above the lower degree only the higher operand has entries; the other
    // one counts as 0. The addition of 0 still takes place: it turns a -0 into
    // +0. (x + 0 and 0 + x are the same bits, NaN included.)
    const auto& higher = da >= db ? x : y;
    for (std::uint32_t k = low + 1; k <= high; ++k) z[k] = higher[k] + 0.0;
    r.degree = high;
}

}  // namespace detail

Polynomial sum(Polynomial a, Polynomial b) { return sumOf(a, b); }

Polynomial sum(Monomial a, Monomial b) {
    placeTerm(a);
    placeTerm(b);
    return sumOf(a, b);
}

}  // namespace tessarivand
