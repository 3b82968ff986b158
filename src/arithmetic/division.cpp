#include "tessarivand/arithmetic/division.hpp"

#include <iostream>
#include <string>

#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/console/number_format.hpp"

namespace tessarivand {

namespace {

void printDivision(const Polynomial& quotient, double mu, double remainder) {
    using console::AsteriskRow;
    using console::formatReal;
    const std::string muText = formatReal(mu);
    std::cout << "\n\n\n\n  Le résultat de la division euclidienne de \"P(X)\" par \"(X - " << muText
              << ")\"\n\n  s'exprime comme suit : \n\n\n"
              << AsteriskRow << "\n\n P(X) = (X - " << muText << ").(";
    if (quotient.degree == 0) {
        std::cout << formatReal(quotient.coefficients[0]);
    } else {
        writeTerms(quotient);
    }
    std::cout << ") + (" << formatReal(remainder) << ")\n\n\n" << AsteriskRow;
}

// A degree out of range is read as the highest one, so that no slot beyond
// the array is touched.
std::uint32_t schemeDegree(const Polynomial& p) { return p.degree < MaxTerms ? p.degree : MaxTerms - 1; }

// Horner's scheme, the one loop of every division: writes the quotient of p
// by (X - mu) into q and returns the remainder. onStep(product, sum) sees
// each product mu × (the previous sum) and the sum that it gives, from under
// a[n - 1] down to a[0], the remainder last. Every product is rounded before
// its sum (no fused multiply-add).
template <typename OnStep>
double hornerScheme(const Polynomial& p, double mu, Polynomial& q, const OnStep& onStep) {
    const auto& a = p.coefficients;
    auto& c = q.coefficients;
    const std::uint32_t n = schemeDegree(p);
    if (n >= 1) {
        q.degree = n - 1;
        c[n - 1] = a[n];
    }
    for (auto k = static_cast<std::int64_t>(n) - 2; k >= 0; --k) {
        const double product = c[k + 1] * mu;
        c[k] = a[k + 1] + product;
        onStep(product, c[k]);
    }
    const double product = c[0] * mu;
    const double remainder = a[0] + product;
    onStep(product, remainder);
    return remainder;
}

}  // namespace

Polynomial quotientByBinomial(Polynomial& p, double mu) {
    Polynomial q;
    q.setName("Q");
    p.remainder = hornerScheme(p, mu, q, [](double /*product*/, double /*sum*/) {});
    p.mu = mu;
    return q;
}

HornerTable hornerTable(const Polynomial& p, double mu) {
    const std::uint32_t n = schemeDegree(p);
    HornerTable table{mu, {}, {}, {}};
    table.coefficients.assign(p.coefficients.rbegin() + (MaxTerms - 1 - n), p.coefficients.rend());
    table.products.reserve(n + 1);
    table.sums.reserve(n + 1);
    if (n >= 1) table.sums.push_back(p.coefficients[n]);
    Polynomial q;
    hornerScheme(p, mu, q, [&table](double product, double sum) {
        table.products.push_back(product);
        table.sums.push_back(sum);
    });
    // A constant's one step multiplies the empty quotient by mu: no column
    // of the table lies under a coefficient above a[0].
    if (n == 0) table.products.clear();
    return table;
}

Polynomial divideByBinomial(Polynomial& p, double mu) {
    Polynomial q = quotientByBinomial(p, mu);
    printDivision(q, mu, p.remainder);
    return q;
}

}  // namespace tessarivand
