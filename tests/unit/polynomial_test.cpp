#include "tessarivand/polynomial/polynomial.hpp"

#include <gtest/gtest.h>

namespace {

using tessarivand::MaxTerms;
using tessarivand::Polynomial;

TEST(PolynomialType, DefaultIsTheConstantZeroNamedP) {
    const Polynomial p;
    EXPECT_EQ(p.name, "P");
    EXPECT_EQ(p.variable, "x");
    EXPECT_EQ(p.degree, 0u);
    EXPECT_EQ(p.coefficients.size(), MaxTerms);
    for (const double c : p.coefficients) EXPECT_EQ(c, 0.0);
    EXPECT_EQ(p.mu, 0.0);
    EXPECT_EQ(p.remainder, 0.0);
}

Polynomial aUsedPolynomial() {
    Polynomial p;
    p.name = "R";
    p.variable = "t";
    p.degree = 1;
    p.coefficients[0] = 4.0;
    p.coefficients[1] = -1.0;
    p.coefficients[3] = 7.5;  // left over from an earlier, higher entry
    p.mu = 2.0;
    p.remainder = 2.0;
    return p;
}

void expectSameFields(const Polynomial& copy, const Polynomial& original) {
    EXPECT_EQ(copy.name, original.name);
    EXPECT_EQ(copy.variable, original.variable);
    EXPECT_EQ(copy.degree, original.degree);
    EXPECT_EQ(copy.coefficients, original.coefficients);
    EXPECT_EQ(copy.mu, original.mu);
    EXPECT_EQ(copy.remainder, original.remainder);
}

TEST(PolynomialType, CopyCarriesEveryFieldIncludingSlotsAboveTheDegree) {
    const Polynomial original = aUsedPolynomial();
    const Polynomial copy(original);
    expectSameFields(copy, original);
    EXPECT_EQ(copy.coefficients[3], 7.5);
}

TEST(PolynomialType, AssignmentCarriesEveryFieldAndSelfAssignmentChangesNothing) {
    const Polynomial original = aUsedPolynomial();
    Polynomial target;
    target = original;
    expectSameFields(target, original);

    Polynomial& alias = target;
    target = alias;
    expectSameFields(target, original);
}

TEST(PolynomialType, SetNameChangesOnlyTheName) {
    Polynomial p = aUsedPolynomial();
    const Polynomial before = p;
    p.setName("Q");
    EXPECT_EQ(p.name, "Q");
    p.name = before.name;
    expectSameFields(p, before);
}

}  // namespace
