#include <cstddef>
#include <iostream>
#include <string>
#include <string_view>

#include "tessarivand/console/banner.hpp"
#include "tessarivand/console/number_format.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

namespace {

using console::AsteriskRow;
using console::formatInteger;
using console::formatReal;

// A NaN compares unequal to 0 too, but it is left out like a zero.
bool isWritten(double coefficient) { return coefficient != 0.0 && coefficient == coefficient; }

constexpr const char* TitleText =
    "\n             ****************************************************\n"
    "             ***  Affichage de l'expression de votre polynôme *** \n"
    "             ****************************************************";

// " + (-1.23457e+006 X^999)" is 24 bytes: room for most terms at once.
constexpr std::size_t BytesPerTerm = 24;

constexpr const char* BoxEdge = "\n      *******************************************************************";
constexpr const char* BoxSide = "\n      *                                                                 *";

void writeExpressionLine(const Polynomial& p, const std::string& label) {
    std::cout << '\n' << AsteriskRow << "\n\n " << label << "(X) = ";
    writeTerms(p);
    std::cout << "\n\n\n" << AsteriskRow;
}

void writeConstantBox(const Polynomial& p, const std::string& label) {
    std::cout << BoxEdge << BoxSide << "\n                       " << label << "(X) = " << formatReal(p.coefficients[0])
              << " = Polynôme Constant" << BoxSide << BoxEdge;
}

}  // namespace

void writeTerms(const Polynomial& p) {
    const std::uint32_t d = p.degree;
    const auto& c = p.coefficients;
    if (d == 0 || d >= MaxTerms) {
        return;  // callers write constants themselves; never read past the array
    }
    // The whole line in one text, handed to the stream once: a thousand
    // terms are then one write instead of five thousand.
    std::string line;
    line.reserve(static_cast<std::size_t>(d + 1) * BytesPerTerm);
    const auto appendTerm = [&line](std::string_view opening, double coefficient, std::string_view tail) {
        line += opening;
        line += formatReal(coefficient);
        line += tail;
    };
    if (d >= 2 && isWritten(c[d])) {
        appendTerm("(", c[d], " X^");
        line += formatInteger(d);
        line += ')';
    }
    for (std::uint32_t k = d - 1; k >= 2; --k) {
        if (isWritten(c[k])) {
            appendTerm(" + (", c[k], " X^");
            line += formatInteger(k);
            line += ')';
        }
    }
    if (isWritten(c[1])) {
        appendTerm(d == 1 ? "(" : " + (", c[1], " X)");
    }
    if (isWritten(c[0])) {
        appendTerm(" + (", c[0], ")");
    }
    std::cout << line;
}

void Polynomial::displayExpression(std::string label) const {
    console::printBanner(TitleText, "");
    std::cout << " Rappel :\n\n               ===   Le degré de votre polynôme est : " << console::formatInteger(degree)
              << "   ===\n\n\n";
    std::cout << "\n\n  L'expression de votre polynôme est : \n";
    if (degree >= 1) {
        writeExpressionLine(*this, label);
    } else {
        writeConstantBox(*this, label);
    }
}

}  // namespace tessarivand
