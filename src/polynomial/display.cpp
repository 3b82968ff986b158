#include <cstddef>
#include <iostream>
#include <string>
#include <string_view>

#include "numbers/number_traits.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/numbers/number_format.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

namespace {

using console::AsteriskRow;
using numbers::formatInteger;
using numbers::formatNumber;

constexpr const char* TitleText =
    "\n             ****************************************************\n"
    "             ***  Affichage de l'expression de votre polynôme *** \n"
    "             ****************************************************";

// " + (-1.23457e+006 X^999)" is 24 bytes: room for most terms at once.
constexpr std::size_t BytesPerTerm = 24;

constexpr const char* BoxEdge = "\n      *******************************************************************";
constexpr const char* BoxSide = "\n      *                                                                 *";

template <typename Number>
void writeExpressionLine(const BasicPolynomial<Number>& p, const std::string& label) {
    std::cout << '\n' << AsteriskRow << "\n\n " << label << "(X) = ";
    writeTerms(p);
    std::cout << "\n\n\n" << AsteriskRow;
}

template <typename Number>
void writeConstantBox(const BasicPolynomial<Number>& p, const std::string& label) {
    std::cout << BoxEdge << BoxSide << "\n                       " << label
              << "(X) = " << formatNumber(p.coefficients[0]) << " = Polynôme Constant" << BoxSide << BoxEdge;
}

}  // namespace

// The one term rule of both kinds of polynomial.
template <typename Number>
void writeTerms(const BasicPolynomial<Number>& p) {
    using Traits = numbers::NumberTraits<Number>;
    const std::uint32_t d = p.degree;
    const auto& c = p.coefficients;
    if (d == 0 || d >= MaxTerms) {
        return;  // callers write constants themselves; never read past the array
    }
    // The whole line in one text, handed to the stream once: a thousand
    // terms are then one write instead of five thousand.
    std::string line;
    line.reserve(static_cast<std::size_t>(d + 1) * BytesPerTerm);
    const auto appendTerm = [&line](std::string_view opening, const auto& coefficient, std::string_view tail) {
        line += opening;
        line += formatNumber(coefficient);
        line += tail;
    };
    if (d >= 2 && Traits::isWritten(c[d])) {
        appendTerm("(", c[d], " X^");
        line += formatInteger(d);
        line += ')';
    }
    for (std::uint32_t k = d - 1; k >= 2; --k) {
        if (Traits::isWritten(c[k])) {
            appendTerm(" + (", c[k], " X^");
            line += formatInteger(k);
            line += ')';
        }
    }
    if (Traits::isWritten(c[1])) {
        appendTerm(d == 1 ? "(" : " + (", c[1], " X)");
    }
    if (Traits::isWritten(c[0])) {
        appendTerm(" + (", c[0], ")");
    }
    std::cout << line;
}

template <typename Number>
void BasicPolynomial<Number>::displayExpression(std::string label) const {
    const BasicPolynomial& p = *this;
    console::printBanner(TitleText, "");
    std::cout << " Rappel :\n\n               ===   Le degré de votre polynôme est : " << formatInteger(p.degree)
              << "   ===\n\n\n";
    std::cout << "\n\n  L'expression de votre polynôme est : \n";
    if (p.degree >= 1) {
        writeExpressionLine(p, label);
    } else {
        writeConstantBox(p, label);
    }
}

template void writeTerms(const Polynomial& p);
template void writeTerms(const ExactPolynomial& p);
template void BasicPolynomial<double>::displayExpression(std::string) const;
template void BasicPolynomial<Rational>::displayExpression(std::string) const;

}  // namespace tessarivand
