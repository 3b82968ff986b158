#include "tessarivand/arithmetic/division.hpp"

#include <iostream>
#include <string>

#include "console/number_text.hpp"
#include "tessarivand/arithmetic/exact_division.hpp"
#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/polynomial/natural_terms.hpp"

namespace tessarivand {

namespace {

// What differs between the two kinds of division: in doubles, the
// dividend is always P and the binomial is written (X - µ) as µ is; exact
// mode names the dividend (P, then Q1, Q2 ... in the search for roots) and
// writes the binomial with natural signs, (X + 3/2).
std::string dividendName(const Polynomial& /*p*/) { return "P"; }
std::string dividendName(const ExactPolynomial& p) { return p.name; }
std::string binomialOf(double mu) { return "(X - " + console::formatReal(mu) + ")"; }
std::string binomialOf(const Rational& mu) { return binomialText(mu); }

// Exact mode says what the remainder means: P(µ), and whether µ is a root.
void printMeaning(const Polynomial& /*p*/) {}
void printMeaning(const ExactPolynomial& p) {
    const std::string mu = console::formatRational(p.mu);
    std::cout << "\n\n  " << p.name << '(' << mu << ") = " << console::formatRational(p.remainder);
    if (p.remainder.is_zero()) {
        std::cout << " : " << mu << " est une racine de " << p.name << ", et " << binomialText(p.mu) << " divise "
                  << p.name << "(X).";
    }
}

// The block of both kinds of division; only the numbers' text differs.
template <typename AnyPolynomial, typename Number>
void printDivision(const AnyPolynomial& p, const AnyPolynomial& quotient, const Number& mu, const Number& remainder) {
    using console::AsteriskRow;
    using console::formatNumber;
    const std::string binomial = binomialOf(mu);
    const std::string name = dividendName(p);
    std::cout << "\n\n\n\n  Le résultat de la division euclidienne de \"" << name << "(X)\" par \"" << binomial
              << "\"\n\n  s'exprime comme suit : \n\n\n"
              << AsteriskRow << "\n\n " << name << "(X) = " << binomial << ".(";
    if (quotient.degree == 0) {
        std::cout << formatNumber(quotient.coefficients[0]);
    } else {
        writeTerms(quotient);
    }
    std::cout << ") + (" << formatNumber(remainder) << ")\n\n\n" << AsteriskRow;
    printMeaning(p);
}

// A degree out of range is read as the highest one, so that no slot beyond
// the array is touched.
template <typename AnyPolynomial>
std::uint32_t schemeDegree(const AnyPolynomial& p) {
    return p.degree < MaxTerms ? p.degree : MaxTerms - 1;
}

// Horner's scheme, the one loop of every division, in doubles and in exact
// rationals: writes the quotient of p by (X - mu) into q and returns the
// remainder. onStep(product, sum) sees each product mu × (the previous sum)
// and the sum that it gives, from under a[n - 1] down to a[0], the remainder
// last. In doubles, every product is rounded before its sum (no fused
// multiply-add). mu comes by value, so that no slot of q can alias it.
template <typename AnyPolynomial, typename Number, typename OnStep>
Number hornerScheme(const AnyPolynomial& p, const Number mu, AnyPolynomial& q, const OnStep& onStep) {
    const auto& a = p.coefficients;
    auto& c = q.coefficients;
    const std::uint32_t n = schemeDegree(p);
    if (n >= 1) {
        q.degree = n - 1;
        c[n - 1] = a[n];
    }
    for (auto k = static_cast<std::int64_t>(n) - 2; k >= 0; --k) {
        const Number product = c[k + 1] * mu;
        c[k] = a[k + 1] + product;
        onStep(product, c[k]);
    }
    const Number product = c[0] * mu;
    Number remainder = a[0] + product;
    onStep(product, remainder);
    return remainder;
}

template <typename AnyPolynomial, typename Number>
AnyPolynomial quotientOf(AnyPolynomial& p, const Number& mu) {
    AnyPolynomial q;
    q.setName("Q");
    p.remainder = hornerScheme(p, mu, q, [](const Number& /*product*/, const Number& /*sum*/) {});
    p.mu = mu;
    return q;
}

template <typename AnyPolynomial, typename Number>
AnyPolynomial divisionOf(AnyPolynomial& p, const Number& mu) {
    AnyPolynomial q = quotientOf(p, mu);
    printDivision(p, q, mu, p.remainder);
    return q;
}

template <typename AnyPolynomial, typename Number>
BasicHornerTable<Number> tableOf(const AnyPolynomial& p, const Number& mu) {
    const std::uint32_t n = schemeDegree(p);
    BasicHornerTable<Number> table{mu, {}, {}, {}};
    table.coefficients.assign(p.coefficients.rbegin() + (MaxTerms - 1 - n), p.coefficients.rend());
    table.products.reserve(n + 1);
    table.sums.reserve(n + 1);
    if (n >= 1) table.sums.push_back(p.coefficients[n]);
    AnyPolynomial q;
    hornerScheme(p, mu, q, [&table](const Number& product, const Number& sum) {
        table.products.push_back(product);
        table.sums.push_back(sum);
    });
    // A constant's one step multiplies the empty quotient by mu: no column
    // of the table lies under a coefficient above a[0].
    if (n == 0) table.products.clear();
    return table;
}

}  // namespace

Polynomial quotientByBinomial(Polynomial& p, double mu) { return quotientOf(p, mu); }
ExactPolynomial quotientByBinomial(ExactPolynomial& p, const Rational& mu) { return quotientOf(p, mu); }

HornerTable hornerTable(const Polynomial& p, double mu) { return tableOf(p, mu); }
ExactHornerTable hornerTable(const ExactPolynomial& p, const Rational& mu) { return tableOf(p, mu); }

Polynomial divideByBinomial(Polynomial& p, double mu) { return divisionOf(p, mu); }
ExactPolynomial divideByBinomial(ExactPolynomial& p, const Rational& mu) { return divisionOf(p, mu); }

}  // namespace tessarivand
