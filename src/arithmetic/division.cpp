#include "tessarivand/arithmetic/division.hpp"

#include <iostream>

#include "tessarivand/console/number_format.hpp"

namespace tessarivand {

namespace {

constexpr const char* AsteriskRow =
    "\n\n\n********************************************************************************";

void printDivision(const Polynomial& quotient, double mu, double remainder) {
    using console::formatReal;
    const std::string muText = formatReal(mu);
    std::cout << "\n\n\n\n  Le résultat de la division euclidienne de \"P(X)\" par \"(X - " << muText
              << ")\"\n\n  s'exprime comme suit : " << AsteriskRow << "\n\n P(X) = (X - " << muText << ").(";
    if (quotient.degree == 0) {
        std::cout << formatReal(quotient.coefficients[0]);
    } else {
        writeTerms(quotient);
    }
    std::cout << ") + (" << formatReal(remainder) << ')' << AsteriskRow;
}

}  // namespace

Polynomial quotientByBinomial(Polynomial& p, double mu) {
    Polynomial q;
    q.setName("Q");
    const auto& a = p.coefficients;
    auto& c = q.coefficients;
    const std::uint32_t n = p.degree < MaxTerms ? p.degree : MaxTerms - 1;
    if (n >= 1) {
        q.degree = n - 1;
        c[n - 1] = a[n];
    }
    for (auto k = static_cast<std::int64_t>(n) - 2; k >= 0; --k) {
        c[k] = a[k + 1] + c[k + 1] * mu;
    }
    p.mu = mu;
    p.remainder = a[0] + c[0] * mu;
    return q;
}

Polynomial divideByBinomial(Polynomial& p, double mu) {
    Polynomial q = quotientByBinomial(p, mu);
    printDivision(q, mu, p.remainder);
    return q;
}

}  // namespace tessarivand
