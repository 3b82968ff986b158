#include <iostream>

#include "tessarivand/console/number_format.hpp"
#include "tessarivand/flow/banner.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

namespace {

using console::formatInteger;
using console::formatReal;

// A NaN compares unequal to 0 too, but it is left out like a zero.
bool isWritten(double coefficient) { return coefficient != 0.0 && coefficient == coefficient; }

constexpr const char* TitleText =
    "\n             ****************************************************\n"
    "             ***  Affichage de l'expression de votre polynôme *** \n"
    "             ****************************************************";

constexpr const char* AsteriskRow = "********************************************************************************";

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
    if (d >= 2 && isWritten(c[d])) {
        std::cout << '(' << formatReal(c[d]) << " X^" << formatInteger(d) << ')';
    }
    for (std::uint32_t k = d - 1; k >= 2; --k) {
        if (isWritten(c[k])) {
            std::cout << " + (" << formatReal(c[k]) << " X^" << formatInteger(k) << ')';
        }
    }
    if (isWritten(c[1])) {
        std::cout << (d == 1 ? "(" : " + (") << formatReal(c[1]) << " X)";
    }
    if (isWritten(c[0])) {
        std::cout << " + (" << formatReal(c[0]) << ')';
    }
}

void Polynomial::displayExpression(std::string label) const {
    printBanner(TitleText, "");
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
