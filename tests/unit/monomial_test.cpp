#include "tessarivand/arithmetic/monomial.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "console_capture.hpp"
#include "polynomial_builders.hpp"

namespace {

using tessarivand::MaxTerms;
using tessarivand::Monomial;
using tessarivand::Polynomial;
using tessarivand::testing::ConsoleCapture;
using tessarivand::testing::fromHighest;

const std::string CapacityWarning =
    "\n\n ATTENTION  : Dépassement de la capacité !! \n\n Le degré du produit des deux Polynômes doit être :"
    "\n\n Un Entier Naturel inférieur à 1000 .";

// Only entries 0 to degree may differ from 0: checks those and every other slot.
void expectCoefficients(const Polynomial& p, std::uint32_t degree, const std::vector<double>& fromZero) {
    ASSERT_EQ(p.degree, degree);
    for (std::uint32_t k = 0; k < MaxTerms; ++k) {
        EXPECT_EQ(p.coefficients[k], k < fromZero.size() ? fromZero[k] : 0.0) << "index " << k;
    }
}

struct TermCase {
    std::uint32_t n;
    double c;
};

void PrintTo(const TermCase& c, std::ostream* os) { *os << c.c << " X^" << c.n; }

class MonomialConstruction : public ::testing::TestWithParam<TermCase> {};

TEST_P(MonomialConstruction, HoldsTheSingleTermTwice) {
    const auto [n, c] = GetParam();
    const ConsoleCapture capture;
    const Monomial m(n, c);
    std::vector<double> expected(n + 1, 0.0);
    expected[n] = c;
    expectCoefficients(m, n, expected);
    EXPECT_EQ(m.coefficient, c);
    EXPECT_EQ(m.name, "M");
    EXPECT_EQ(m.variable, "x");
    EXPECT_EQ(m.mu, 0.0);
    EXPECT_EQ(m.remainder, 0.0);
    EXPECT_EQ(capture.out(), "");
}

INSTANTIATE_TEST_SUITE_P(Terms, MonomialConstruction,
                         ::testing::Values(TermCase{0, 2.5}, TermCase{7, -3.0}, TermCase{5, 0.0}, TermCase{999, 1.5}));

class MonomialBeyondTheSlots : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(MonomialBeyondTheSlots, IsTheZeroMonomialWithAWarning) {
    const ConsoleCapture capture;
    const Monomial m(GetParam(), 2.0);
    expectCoefficients(m, 0, {});
    EXPECT_EQ(m.coefficient, 0.0);
    EXPECT_EQ(m.name, "M");
    EXPECT_EQ(capture.out(),
              "\n\n ATTENTION  : Dépassement de la capacité !! \n\n Le degré du Monôme doit être :"
              "\n\n Un Entier Naturel inférieur à 1000 .");
}

INSTANTIATE_TEST_SUITE_P(Degrees, MonomialBeyondTheSlots, ::testing::Values(1000u, 1001u, 4294967295u));

TEST(MonomialMultiply, ByTheUnitConstantGivesQUnchangedUnderAProductName) {
    Polynomial q = fromHighest({4, -0.5, 3});
    q.name = "Q";
    q.variable = "t";
    q.mu = 2.0;
    q.remainder = 18.0;
    q.coefficients[10] = 9.0;  // above its degree: not part of q
    const Monomial one(0, 1.0);
    const Polynomial r = Monomial::multiply(one, q);
    EXPECT_EQ(r.name, "M×Q");
    expectCoefficients(r, 2, {3, -0.5, 4});
    EXPECT_EQ(r.variable, "x");
    EXPECT_EQ(r.mu, 0.0);
    EXPECT_EQ(r.remainder, 0.0);
}

TEST(MonomialMultiply, ShiftsByTheDegreeAndScalesByTheCoefficientField) {
    Monomial m(3, 2.0);
    m.coefficients[3] = 100.0;  // multiply reads `coefficient` only
    const Polynomial r = Monomial::multiply(m, fromHighest({1, -1}));
    expectCoefficients(r, 4, {0, 0, 0, -2, 2});
}

struct LimitCase {
    std::uint32_t monomialDegree;
    std::uint32_t polynomialDegree;
    bool computed;
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.monomialDegree << " and " << c.polynomialDegree; }

class MonomialMultiplyAtTheLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(MonomialMultiplyAtTheLimit, ComputesBelowMaxTermsAndRefusesFromIt) {
    const auto [md, qd, computed] = GetParam();
    // multiply reads only the degree and `coefficient`; a degree set by hand
    // can lie past the constructor's limit.
    Monomial m(0, 3.0);
    m.degree = md;
    Polynomial q;
    q.name = "Q";
    q.degree = qd;
    for (double& c : q.coefficients) c = 1.0;
    const ConsoleCapture capture;
    const Polynomial r = Monomial::multiply(m, q);
    EXPECT_EQ(r.name, "M×Q");
    if (computed) {
        EXPECT_EQ(capture.out(), "");
        std::vector<double> expected(md + qd + 1, 3.0);
        for (std::uint32_t k = 0; k < md; ++k) expected[k] = 0.0;
        expectCoefficients(r, md + qd, expected);
    } else {
        EXPECT_EQ(capture.out(), CapacityWarning);
        expectCoefficients(r, 0, {});
    }
    EXPECT_EQ(r.mu, 0.0);
    EXPECT_EQ(r.remainder, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Degrees, MonomialMultiplyAtTheLimit,
                         ::testing::Values(LimitCase{99, 900, true}, LimitCase{0, 999, true}, LimitCase{1, 999, false},
                                           LimitCase{99, 901, false}, LimitCase{4000, 2, false},
                                           LimitCase{4294967295u, 1, false}, LimitCase{3, 4294967295u, false}));

}  // namespace
