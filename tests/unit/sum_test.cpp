#include "tessarivand/arithmetic/sum.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "console_capture.hpp"
#include "polynomial_builders.hpp"

namespace {

using tessarivand::MaxTerms;
using tessarivand::Polynomial;
using tessarivand::testing::ConsoleCapture;
using tessarivand::testing::fromHighest;

Polynomial named(Polynomial p, const char* name) {
    p.name = name;
    return p;
}

struct SumCase {
    const char* title;
    Polynomial a;
    Polynomial b;
    std::uint32_t degree;
    std::vector<double> fromZero;  // every later slot must be 0
};

void PrintTo(const SumCase& c, std::ostream* os) { *os << c.title; }

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
    const Polynomial r = sum(c.a, c.b);
    ASSERT_EQ(r.degree, c.degree);
    for (std::uint32_t k = 0; k < MaxTerms; ++k) {
        EXPECT_EQ(r.coefficients[k], k < c.fromZero.size() ? c.fromZero[k] : 0.0) << "index " << k;
    }
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

}  // namespace
