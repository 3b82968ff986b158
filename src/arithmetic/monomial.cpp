#include "tessarivand/arithmetic/monomial.hpp"

#include <iostream>
#include <string_view>

#include "terms.hpp"

namespace tessarivand {

namespace {

static_assert(MaxTerms == 1000, "the capacity warnings name the limit");

// What a result with no room for its degree writes instead; subject is what
// has that degree.
void warnCapacity(std::string_view subject) {
    std::cout << "\n\n ATTENTION  : Dépassement de la capacité !! \n\n " << subject
              << " doit être :\n\n Un Entier Naturel inférieur à 1000 .";
}

}  // namespace

namespace detail {

void warnProductTooLarge() { warnCapacity("Le degré du produit des deux Polynômes"); }

void writeShiftedScaled(Polynomial& r, std::uint32_t shift, double factor, const Polynomial& q) {
    for (std::uint32_t j = 0; j <= q.degree; ++j) {
        r.coefficients[shift + j] = q.coefficients[j] * factor;
    }
}

}  // namespace detail

// The default Polynomial part already holds every other coefficient at 0.
Monomial::Monomial(std::uint32_t n, double c) {
    name = detail::MonomialName;
    variable = "x";
    if (!detail::fitsInSlots(n)) {
        warnCapacity("Le degré du Monôme");
        return;
    }
    degree = n;
    coefficients[n] = c;
    coefficient = c;
}

Polynomial Monomial::multiply(Monomial m, Polynomial q) {
    Polynomial r;
    r.name = m.name + detail::ProductSign + q.name;
    if (!detail::fitsInSlots(std::uint64_t{m.degree} + q.degree)) {
        detail::warnProductTooLarge();
        return r;
    }
    r.degree = m.degree + q.degree;
    detail::writeShiftedScaled(r, m.degree, m.coefficient, q);
    return r;
}

}  // namespace tessarivand
