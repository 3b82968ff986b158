#include "tessarivand/arithmetic/sum.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "console_capture.hpp"
#include "polynomial_builders.hpp"

namespace {

using tessarivand::MaxTerms;
using tessarivand::Monomial;
using tessarivand::Polynomial;
using tessarivand::testing::ConsoleCapture;
using tessarivand::testing::fromHighest;

Polynomial named(Polynomial p, const char* name) {
    p.name = name;
    return p;
}

template <typename Operand>
struct SumOf {
    const char* title;
    Operand a;
    Operand b;
    std::uint32_t degree;
    std::vector<double> fromZero;  // every later slot must be 0
};

using SumCase = SumOf<Polynomial>;
using MonomialSumCase = SumOf<Monomial>;

template <typename Operand>
void PrintTo(const SumOf<Operand>& c, std::ostream* os) {
    *os << c.title;
}

template <typename Operand>
void expectTheSum(const Polynomial& r, const SumOf<Operand>& c) {
    ASSERT_EQ(r.degree, c.degree);
    for (std::uint32_t k = 0; k < MaxTerms; ++k) {
        EXPECT_EQ(r.coefficients[k], k < c.fromZero.size() ? c.fromZero[k] : 0.0) << "index " << k;
    }
}

// P entered with degree 3, then again with degree 1: entries 2 and 3 keep the
// earlier values.
Polynomial reenteredLower() {
    Polynomial p = fromHighest({1, 1, 5, 6});
    p.degree = 1;
    p.coefficients[1] = -2.0;
    p.coefficients[0] = 3.0;
    return p;
}

class SumOfPolynomials : public ::testing::TestWithParam<SumCase> {};

TEST_P(SumOfPolynomials, AddsTheMeaningfulCoefficientsUpToTheLargerDegree) {
    const SumCase& c = GetParam();
    const ConsoleCapture capture;
    expectTheSum(sum(c.a, c.b), c);
    EXPECT_EQ(capture.out(), "");
}

Polynomial withStaleEntryAt(Polynomial p, std::uint32_t k, double value) {
    p.coefficients[k] = value;
    return p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SumOfPolynomials,
    ::testing::Values(
        SumCase{"degrees 3 and 5", fromHighest({1, 2, 3, 4}), fromHighest({6, 5, 1, 1, 1, 1}), 5, {5, 4, 3, 2, 5, 6}},
        SumCase{"degrees 5 and 3", fromHighest({6, 5, 1, 1, 1, 1}), fromHighest({1, 2, 3, 4}), 5, {5, 4, 3, 2, 5, 6}},
        SumCase{"with its negation", fromHighest({2, -1, 0.5}), fromHighest({-2, 1, -0.5}), 2, {0, 0, 0}},
        SumCase{"after a lower re-entry", reenteredLower(), fromHighest({1, 1, 1, 1}), 3, {4, -1, 1, 1}},
        SumCase{"stale entries above both degrees",
                withStaleEntryAt(fromHighest({1}), 7, 9.0),
                withStaleEntryAt(fromHighest({1, 1}), 4, 9.0),
                1,
                {2, 1}}));

TEST(SumOfPolynomials, IsNamedAPlusBWithTheDefaultsOfANewPolynomial) {
    Polynomial a = named(fromHighest({1, 0}), "A");
    a.variable = "t";
    a.mu = 3.0;
    a.remainder = 3.0;
    const Polynomial r = sum(a, named(fromHighest({2}), "B"));
    EXPECT_EQ(r.name, "A+B");
    EXPECT_EQ(r.variable, "x");
    EXPECT_EQ(r.mu, 0.0);
    EXPECT_EQ(r.remainder, 0.0);
}

// A coefficient of the higher operand still has 0 added to it, as the sum of
// two whole arrays does: a -0 there comes out +0.
TEST(SumOfPolynomials, AddingTheZeroAboveTheLowerDegreeTurnsMinusZeroIntoPlusZero) {
    const Polynomial r = sum(fromHighest({-0.0, -0.0}), fromHighest({-0.0}));
    EXPECT_FALSE(std::signbit(r.coefficients[1]));
    EXPECT_TRUE(std::signbit(r.coefficients[0]));
}

TEST(SumOfPolynomials, AnOperandWithADegreePastTheLimitIsReadOnlyInsideItsSlots) {
    Polynomial broken;
    broken.degree = 5000;
    broken.coefficients[999] = 4.0;
    const Polynomial r = sum(fromHighest({1}), broken);
    EXPECT_EQ(r.degree, MaxTerms - 1);
    EXPECT_EQ(r.coefficients[999], 4.0);
    EXPECT_EQ(r.coefficients[0], 1.0);
}

// A monomial whose two records of its term disagree: sum takes `coefficient`.
Monomial withCoefficientField(Monomial m, double c) {
    m.coefficient = c;
    return m;
}

// Monomial(5, 2) lowered to degree 2 by hand: coefficients[5] = 2 stays behind.
Monomial loweredFromFive() {
    Monomial m(5, 2.0);
    m.degree = 2;
    m.coefficient = 3.0;
    return m;
}

class SumOfMonomials : public ::testing::TestWithParam<MonomialSumCase> {};

TEST_P(SumOfMonomials, AddsBothTermsAndLeavesTheCallersMonomials) {
    const MonomialSumCase& c = GetParam();
    Monomial a = c.a;
    Monomial b = c.b;
    const Polynomial r = sum(a, b);
    EXPECT_EQ(r.name, "M+M");
    EXPECT_EQ(r.variable, "x");
    expectTheSum(r, c);
    EXPECT_EQ(a.coefficients, c.a.coefficients);
    EXPECT_EQ(b.coefficients, c.b.coefficients);
}

INSTANTIATE_TEST_SUITE_P(
    Terms, SumOfMonomials,
    ::testing::Values(MonomialSumCase{"equal degrees", Monomial(4, 1.5), Monomial(4, -4.0), 4, {0, 0, 0, 0, -2.5}},
                      MonomialSumCase{"first term from its field",
                                      withCoefficientField(Monomial(2, 7.0), 8.0),
                                      Monomial(5, -1.0),
                                      5,
                                      {0, 0, 8, 0, 0, -1}},
                      MonomialSumCase{"second term from its field",
                                      Monomial(2, 7.0),
                                      withCoefficientField(Monomial(5, -1.0), -3.0),
                                      5,
                                      {0, 0, 7, 0, 0, -3}},
                      MonomialSumCase{"first lowered", loweredFromFive(), Monomial(5, 1.0), 5, {0, 0, 3, 0, 0, 1}},
                      MonomialSumCase{"second lowered", Monomial(5, 1.0), loweredFromFive(), 5, {0, 0, 3, 0, 0, 1}}));

}  // namespace
