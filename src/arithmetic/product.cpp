#include "tessarivand/arithmetic/product.hpp"

#include <array>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "terms.hpp"

namespace tessarivand {

namespace {

static_assert(MaxSplitTerms == 100, "the stack warnings name the limit");

// The warning of a product refused for the room that its table would take on
// the stack; danger says how near the overflow is.
void warnStack(std::string_view danger) {
    std::cout << "\n\n ATTENTION  : " << danger
              << " de la Pile !! \n\n Il faut que l'un des degrés des deux Polynômes à multiplier soit :\n\n"
                 " Un Entier Naturel inférieur à 100 .";
}

constexpr std::string_view TableStackDanger = "Dépassement";
constexpr std::string_view RunningStackDanger = "Risque de Dépassement";

// s is the factor that is split into terms, t the one that each term scales.
struct Split {
    const Polynomial& s;
    const Polynomial& t;
    std::uint32_t m;
};

Split splitOfSmallerDegree(const Polynomial& a, const Polynomial& b) {
    if (a.degree <= b.degree) return {a, b, a.degree};
    return {b, a, b.degree};
}

std::string partialProductName(const Polynomial& t) { return detail::MonomialName + (detail::ProductSign + t.name); }

// r, named a×b at its defaults, becomes the refused result when the product
// may not be computed; the stack guard keeps its own warning and comes first.
bool admitProduct(const Polynomial& a, const Polynomial& b, std::string_view stackDanger, Polynomial& r) {
    const std::uint64_t degree = std::uint64_t{a.degree} + b.degree;
    if (splitOfSmallerDegree(a, b).m >= MaxSplitTerms) {
        warnStack(stackDanger);
        if (detail::fitsInSlots(degree)) r.degree = static_cast<std::uint32_t>(degree);
        return false;
    }
    if (!detail::fitsInSlots(degree)) {
        detail::warnProductTooLarge();
        return false;
    }
    return true;
}

Polynomial namedProduct(const Polynomial& a, const Polynomial& b) {
    Polynomial r;
    r.name = a.name + detail::ProductSign + b.name;
    return r;
}

// Adds the partial product t·s[i]·X^i into r: r[i + j] += t[j] * s[i]. Its
// zero entries are not added: r starts at +0 and a sum is -0 only when both
// of its terms are, so no entry of r is ever -0, and adding 0 to any other
// value (a NaN or an infinity too) leaves it as it is.
void addShiftedScaled(Polynomial& r, std::uint32_t shift, double factor, const Polynomial& t) {
    for (std::uint32_t j = 0; j <= t.degree; ++j) {
        r.coefficients[shift + j] = r.coefficients[shift + j] + t.coefficients[j] * factor;
    }
}

}  // namespace

Polynomial tableProduct(Polynomial a, Polynomial b) {
    // Made whole before the guard, as the guard's warning is about its size.
    std::array<Polynomial, MaxSplitTerms> table;
    Polynomial r = namedProduct(a, b);
    if (!admitProduct(a, b, TableStackDanger, r)) return r;

    const Split split = splitOfSmallerDegree(a, b);
    const std::string termName = partialProductName(split.t);
    for (std::uint32_t i = 0; i <= split.m; ++i) {
        table[i].name = termName;
        table[i].degree = i + split.t.degree;
        detail::writeShiftedScaled(table[i], i, split.s.coefficients[i], split.t);
    }
    r = table[0];
    // r = sum(r, table[i]) in place: the same additions, zeros of the slot
    // below i included, without copying r and the slot.
    for (std::uint32_t i = 1; i <= split.m; ++i) {
        r.name += '+';
        r.name += table[i].name;
        detail::addCoefficients(r, table[i], r);
    }
    return r;
}

Polynomial runningProduct(Polynomial a, Polynomial b) {
    Polynomial r = namedProduct(a, b);
    if (!admitProduct(a, b, RunningStackDanger, r)) return r;

    r.degree = a.degree + b.degree;
    const Split split = splitOfSmallerDegree(a, b);
    const std::string termName = "+" + partialProductName(split.t);
    r.name.reserve(r.name.size() + (split.m + 1) * termName.size());
    for (std::uint32_t i = 0; i <= split.m; ++i) {
        r.name += termName;
        addShiftedScaled(r, i, split.s.coefficients[i], split.t);
    }
    return r;
}

}  // namespace tessarivand
