#include "tessarivand/arithmetic/division.hpp"

#include <cstdint>
#include <iostream>
#include <string>

#include "tessarivand/arithmetic/exact_division.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/numbers/number_format.hpp"
#include "tessarivand/polynomial/natural_terms.hpp"

namespace tessarivand {

namespace {

// A degree out of range is read as the highest one, so that no slot beyond
// the array is touched.
template <typename Number>
std::uint32_t schemeDegree(const BasicPolynomial<Number>& p) {
    return p.degree < MaxTerms ? p.degree : MaxTerms - 1;
}

// Horner's scheme, the one loop of every division: writes the quotient of p
// by (X - mu) into q and returns the remainder. onStep(product, sum) sees
// each product mu × (the previous sum) and the sum that it gives, from under
// a[n - 1] down to a[0], the remainder last. mu comes by value, so that no
// slot of q can alias it.
template <typename Number, typename OnStep>
Number hornerScheme(const BasicPolynomial<Number>& p, const Number mu, BasicPolynomial<Number>& q,
                    const OnStep& onStep) {
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

// The scheme, with or without a record of its steps.
template <typename Number, typename OnStep>
BasicPolynomial<Number> quotientOf(BasicPolynomial<Number>& p, const Number& mu, const OnStep& onStep) {
    BasicPolynomial<Number> q;
    q.setName("Q");
    p.remainder = hornerScheme(p, mu, q, onStep);
    p.mu = mu;
    return q;
}

// The table's record of the scheme: its coefficients and first sum before
// the first step, then each step's product and sum.
template <typename Number>
auto tableRecorder(const BasicPolynomial<Number>& p, const Number& mu, BasicHornerTable<Number>& table) {
    const std::uint32_t n = schemeDegree(p);
    table = BasicHornerTable<Number>{mu, {}, {}, {}};
    table.coefficients.assign(p.coefficients.rbegin() + (MaxTerms - 1 - n), p.coefficients.rend());
    table.products.reserve(n + 1);
    table.sums.reserve(n + 1);
    if (n >= 1) table.sums.push_back(p.coefficients[n]);
    return [&table, n](const Number& product, const Number& sum) {
        // A constant's one step multiplies the empty quotient by mu: no
        // column of the table lies under a coefficient above a[0].
        if (n >= 1) table.products.push_back(product);
        table.sums.push_back(sum);
    };
}

}  // namespace

template <typename Number>
BasicPolynomial<Number> quotientByBinomial(BasicPolynomial<Number>& p, const std::type_identity_t<Number>& mu) {
    return quotientOf(p, mu, [](const Number& /*product*/, const Number& /*sum*/) {});
}

template <typename Number>
BasicPolynomial<Number> quotientByBinomial(BasicPolynomial<Number>& p, const std::type_identity_t<Number>& mu,
                                           BasicHornerTable<Number>& table) {
    return quotientOf(p, mu, tableRecorder(p, mu, table));
}

template <typename Number>
BasicHornerTable<Number> hornerTable(const BasicPolynomial<Number>& p, const std::type_identity_t<Number>& mu) {
    BasicHornerTable<Number> table;
    BasicPolynomial<Number> q;
    hornerScheme(p, mu, q, tableRecorder(p, mu, table));
    return table;
}

namespace {

// What differs between the two kinds of division: in doubles, the
// dividend is always P and the binomial is written (X - µ) as µ is; exact
// mode names the dividend (P, then Q1, Q2 ... in the search for roots) and
// writes the binomial with natural signs, (X + 3/2).
std::string dividendName(const Polynomial& /*p*/) { return "P"; }
std::string dividendName(const ExactPolynomial& p) { return p.name; }
std::string binomialOf(double mu) { return "(X - " + numbers::formatReal(mu) + ")"; }
std::string binomialOf(const Rational& mu) { return binomialText(mu); }

// Exact mode says what the remainder means: P(µ), and whether µ is a root.
void printMeaning(const Polynomial& /*p*/) {}
void printMeaning(const ExactPolynomial& p) {
    const std::string mu = numbers::formatRational(p.mu);
    std::cout << "\n\n  " << p.name << '(' << mu << ") = " << numbers::formatRational(p.remainder);
    if (p.remainder.is_zero()) {
        std::cout << " : " << mu << " est une racine de " << p.name << ", et " << binomialText(p.mu) << " divise "
                  << p.name << "(X).";
    }
}

}  // namespace

template <typename Number>
void printDivision(const BasicPolynomial<Number>& p, const BasicPolynomial<Number>& quotient) {
    using console::AsteriskRow;
    using numbers::formatNumber;
    const std::string binomial = binomialOf(p.mu);
    const std::string name = dividendName(p);
    std::cout << "\n\n\n\n  Le résultat de la division euclidienne de \"" << name << "(X)\" par \"" << binomial
              << "\"\n\n  s'exprime comme suit : \n\n\n"
              << AsteriskRow << "\n\n " << name << "(X) = " << binomial << ".(";
    if (quotient.degree == 0) {
        std::cout << formatNumber(quotient.coefficients[0]);
    } else {
        writeTerms(quotient);
    }
    std::cout << ") + (" << formatNumber(p.remainder) << ")\n\n\n" << AsteriskRow;
    printMeaning(p);
}

template <typename Number>
BasicPolynomial<Number> divideByBinomial(BasicPolynomial<Number>& p, const std::type_identity_t<Number>& mu) {
    BasicPolynomial<Number> q = quotientByBinomial(p, mu);
    printDivision(p, q);
    return q;
}

template Polynomial quotientByBinomial(Polynomial&, const double&);
template ExactPolynomial quotientByBinomial(ExactPolynomial&, const Rational&);
template Polynomial quotientByBinomial(Polynomial&, const double&, HornerTable&);
template ExactPolynomial quotientByBinomial(ExactPolynomial&, const Rational&, ExactHornerTable&);
template HornerTable hornerTable(const Polynomial&, const double&);
template ExactHornerTable hornerTable(const ExactPolynomial&, const Rational&);
template void printDivision(const Polynomial&, const Polynomial&);
template void printDivision(const ExactPolynomial&, const ExactPolynomial&);
template Polynomial divideByBinomial(Polynomial&, const double&);
template ExactPolynomial divideByBinomial(ExactPolynomial&, const Rational&);

}  // namespace tessarivand
