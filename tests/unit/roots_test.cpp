#include "tessarivand/arithmetic/roots.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tessarivand {
namespace {

// Coefficients highest power first, as fractions: {"2", "-3", "1/2"}.
std::vector<Rational> highestFirst(const std::vector<std::string>& texts) {
    std::vector<Rational> c(texts.rbegin(), texts.rend());
    return c;
}

// What F leaves: its two roots in radicals, or its real roots.
std::string restText(const RootSearch& search) {
    RootBudget budget;
    if (search.rest.size() == 3) {
        const QuadraticRoots roots = quadraticRoots(search.rest);
        return rootText(roots.roots[0], true) + " ; " + rootText(roots.roots[1], true) + " | " +
               rootBinomialText(roots.roots[0], false) + " " + rootBinomialText(roots.roots[1], false);
    }
    std::string text;
    for (const std::string& x : realRoots(search.rest, budget).texts) text += (text.empty() ? "" : ", ") + x;
    return text;
}

struct Example {
    std::vector<std::string> coefficients;
    std::string factored;
    std::string rest;
};

class RootSearchExamples : public ::testing::TestWithParam<Example> {};

TEST_P(RootSearchExamples, FactorsAndSolvesAsAClassWould) {
    RootBudget budget;
    const RootSearch search = searchRationalRoots(highestFirst(GetParam().coefficients), budget);
    EXPECT_TRUE(search.stoppedStep.empty());
    EXPECT_EQ(factoredFormText(search, "P"), GetParam().factored);
    EXPECT_EQ(restText(search), GetParam().rest);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RootSearchExamples,
    ::testing::Values(
        Example{{"2", "-3", "-11", "6"}, "P(X) = 2 (X + 2) (X - 1/2) (X - 3)", ""},
        Example{{"1", "0", "0", "0", "-1"}, "P(X) = (X + 1) (X - 1) (X^2 + 1)", "-i ; i | (X + i) (X - i)"},
        Example{{"1", "0", "0", "-2"}, "P(X) = X^3 - 2", "1.25992"}, Example{{"1", "-2", "1"}, "P(X) = (X - 1)^2", ""},
        Example{{"-3", "6", "-3", "0", "0"}, "P(X) = -3 X^2 (X - 1)^2", ""},
        Example{{"5/2", "5/4"}, "P(X) = 5/2 (X + 1/2)", ""},
        Example{{"2", "-2", "-1"},
                "P(X) = 2 X^2 - 2 X - 1",
                "(1 - √3)/2 ; (1 + √3)/2 | (X - (1 - racine(3))/2) (X - (1 + racine(3))/2)"},
        Example{{"1", "0", "-2"}, "P(X) = X^2 - 2", "-√2 ; √2 | (X + racine(2)) (X - racine(2))"},
        Example{{"-1/2", "0", "-1/2"}, "P(X) = -1/2 (X^2 + 1)", "-i ; i | (X + i) (X - i)"},
        Example{{"1", "1", "1"},
                "P(X) = X^2 + X + 1",
                "(-1 - i√3)/2 ; (-1 + i√3)/2 | (X - (-1 - i racine(3))/2) (X - (-1 + i racine(3))/2)"},
        Example{{"1", "-2", "-2"}, "P(X) = X^2 - 2 X - 2", "1 - √3 ; 1 + √3 | (X - 1 + racine(3)) (X - 1 - racine(3))"},
        Example{{"1", "0", "-5", "0", "6"}, "P(X) = X^4 - 5 X^2 + 6", "-1.73205, -1.41421, 1.41421, 1.73205"},
        Example{{"1", "0", "1", "1"}, "P(X) = X^3 + X + 1", "-0.682328"},
        // a0 = -2 × 1000003 × 1000033, too large to factor by trial division: found by isolation.
        Example{{"3", "5", "3000108000295", "5000180000495", "-2000072000198"},
                "P(X) = 3 (X + 2) (X - 1/3) (X^2 + 1000036000099)",
                "-i√1000036000099 ; i√1000036000099 | (X + i racine(1000036000099)) (X - i racine(1000036000099))"}));

// Products of rational linear factors and of a factor without a rational
// root: the search finds each root put in, as often, and its factored form
// multiplies back to P.
std::vector<Rational> times(const std::vector<Rational>& a, const std::vector<Rational>& b) {
    std::vector<Rational> c(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) c[i + j] += a[i] * b[j];
    }
    return c;
}

TEST(RootSearchProperty, FindsExactlyTheRootsPutInAndExpandsBackToP) {
    const std::vector<std::vector<Rational>> rests{
        {1}, {1, 0, 1}, {-2, 0, 1}, {-2, 0, 0, 1}, {1, 1, 0, 0, 1}, {3, -1, 5}, {7, 0, 0, 0, 0, 0, 2}};
    std::mt19937 random(29);
    for (int trial = 0; trial < 300; ++trial) {
        const std::vector<Rational>& rest = rests[random() % rests.size()];
        std::vector<Rational> p{
            Rational(static_cast<int>(random() % 9) - 4 == 0 ? 3 : static_cast<int>(random() % 7) + 1,
                     static_cast<int>(random() % 5) + 1)};
        p = times(p, rest);
        std::vector<Rational> put;
        for (int k = static_cast<int>(random() % 7); k > 0; --k) {
            const Rational r(static_cast<int>(random() % 13) - 6, static_cast<int>(random() % 4) + 1);
            put.push_back(r);
            p = times(p, {-r, 1});
        }
        RootBudget budget;
        const RootSearch search = searchRationalRoots(p, budget);
        ASSERT_TRUE(search.stoppedStep.empty());
        std::vector<Rational> found(search.zeroMultiplicity, Rational(0));
        std::vector<Rational> expanded{search.constant};
        expanded.insert(expanded.begin(), search.zeroMultiplicity, Rational(0));
        for (const RationalRoot& root : search.roots) {
            for (std::uint32_t m = 0; m < root.multiplicity; ++m) {
                found.push_back(root.value);
                expanded = times(expanded, {-root.value, 1});
            }
        }
        expanded = times(expanded, std::vector<Rational>(search.rest.begin(), search.rest.end()));
        std::sort(put.begin(), put.end());
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, put);
        EXPECT_EQ(expanded, p);
    }
}

}  // namespace
}  // namespace tessarivand
