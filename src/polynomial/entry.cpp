#include <iostream>
#include <string>

#include "tessarivand/console/banner.hpp"
#include "tessarivand/input/readers.hpp"
#include "tessarivand/numbers/number_format.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

namespace {

using numbers::formatInteger;

constexpr const char* DegreeTitle =
    "\n\n\n        ***************************************************************\n"
    "        ***           Saisie du degré de votre polynôme             ***\n"
    "        ***************************************************************\n\n\n";

constexpr const char* CoefficientTitle =
    "        ***************************************************************\n"
    "        ***        Saisie des coefficients de votre polynôme        *** \n"
    "        ***************************************************************";

constexpr const char* LeadingZeroBox =
    "\n      *******************************************************************"
    "\n      *                          ATTENTION !                            *"
    "\n      *          Le degré de votre polynôme ne correspond pas           *"
    "\n      *        au plus grand indice des coefficients non nuls !!!       *"
    "\n      *                                                                 *"
    "\n      *******************************************************************"
    "\n\n\n Veuillez reprendre la saisie du coefficient a[";

constexpr const char* TooLargeDegree = "\n\n  ATTENTION :  Le degré d'un Polynôme ne peut pas dépasser 999 !!! ";

// a[index] as typed; the slot is written only once the reading succeeded.
template <typename Number>
Number typedCoefficient(std::uint32_t index) {
    Number value{};
    readCoefficient(value, index);
    return value;
}

}  // namespace

template <typename Number>
void BasicPolynomial<Number>::setDegree(std::int32_t value) {
    if (value < 0) {
        std::cout << "\n\n  ATTENTION :  Le degré d'un Polynôme ne peut pas être négatif !!! ";
        return;
    }
    // The coefficient at index degree must lie inside the array.
    if (static_cast<std::uint32_t>(value) >= MaxTerms) {
        std::cout << TooLargeDegree;
        return;
    }
    degree = static_cast<std::uint32_t>(value);
}

template <typename Number>
void BasicPolynomial<Number>::enterCoefficients() {
    const std::uint32_t n = degree;
    // A degree stored directly, past setDegree, may have no slot: ask nothing
    // rather than write outside the coefficients.
    if (n >= MaxTerms) {
        std::cout << TooLargeDegree;
        return;
    }
    console::printBanner(CoefficientTitle, "");
    std::cout << " Rappel :\n\n               ===  Le degré de votre polynôme est : " << formatInteger(n)
              << "  ===\n\n\n";
    for (std::int64_t i = n; i >= 0; --i) {
        coefficients[static_cast<std::size_t>(i)] = typedCoefficient<Number>(static_cast<std::uint32_t>(i));
    }
    // A typed -0 compares equal to 0 and is refused too.
    while (n != 0 && coefficients[n] == 0) {
        std::cout << LeadingZeroBox << formatInteger(n) << "] de votre polynôme s.v.p !\n\n";
        coefficients[n] = typedCoefficient<Number>(n);
    }
}

template <typename Number>
void BasicPolynomial<Number>::enter() {
    std::cout << DegreeTitle;
    std::int32_t typed = 0;
    readNatural(typed, "deg(P)");
    setDegree(typed);
    enterCoefficients();
    displayExpression(name);
}

template void BasicPolynomial<double>::setDegree(std::int32_t);
template void BasicPolynomial<Rational>::setDegree(std::int32_t);
template void BasicPolynomial<double>::enterCoefficients();
template void BasicPolynomial<Rational>::enterCoefficients();
template void BasicPolynomial<double>::enter();
template void BasicPolynomial<Rational>::enter();

}  // namespace tessarivand
