#include "tessarivand/arithmetic/product.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "console_capture.hpp"
#include "polynomial_builders.hpp"
#include "tessarivand/console/streams.hpp"

namespace {

using tessarivand::MaxTerms;
using tessarivand::Polynomial;
using tessarivand::runningProduct;
using tessarivand::tableProduct;
using tessarivand::console::toCodePage850;
using tessarivand::testing::ConsoleCapture;
using tessarivand::testing::fromHighest;

using Product = Polynomial (*)(Polynomial, Polynomial);

struct ProductKind {
    const char* label;
    Product compute;
    const char* stackWarning;
};

void PrintTo(const ProductKind& kind, std::ostream* os) { *os << kind.label; }

const ProductKind Table{
    "tableProduct", tableProduct,
    "\n\n ATTENTION  : Dépassement de la Pile !! \n\n Il faut que l'un des degrés des deux Polynômes à multiplier "
    "soit :\n\n Un Entier Naturel inférieur à 100 ."};
const ProductKind Running{
    "runningProduct", runningProduct,
    "\n\n ATTENTION  : Risque de Dépassement de la Pile !! \n\n Il faut que l'un des degrés des deux Polynômes à "
    "multiplier soit :\n\n Un Entier Naturel inférieur à 100 ."};

const std::string CapacityWarning =
    "\n\n ATTENTION  : Dépassement de la capacité !! \n\n Le degré du produit des deux Polynômes doit être :"
    "\n\n Un Entier Naturel inférieur à 1000 .";

Polynomial randomPolynomial(std::mt19937_64& engine, std::uint32_t degree, const char* name) {
    std::uniform_real_distribution<double> value(-8.0, 8.0);
    Polynomial p;
    p.name = name;
    p.degree = degree;
    for (std::uint32_t k = 0; k <= degree; ++k) p.coefficients[k] = value(engine);
    for (std::uint32_t k = degree + 1; k < MaxTerms; ++k) p.coefficients[k] = 99.0;  // not part of p
    return p;
}

// Entry k is the sum over i of t[k - i] * s[i], added in increasing i from 0.
std::vector<double> plainConvolution(const Polynomial& s, const Polynomial& t) {
    std::vector<double> r(s.degree + t.degree + 1);
    for (std::uint32_t k = 0; k < r.size(); ++k) {
        double total = 0.0;
        for (std::uint32_t i = k > t.degree ? k - t.degree : 0; i <= std::min(k, s.degree); ++i) {
            total = total + t.coefficients[k - i] * s.coefficients[i];
        }
        r[k] = total;
    }
    return r;
}

void expectSameBits(const Polynomial& r, const std::vector<double>& fromZero) {
    ASSERT_EQ(r.degree + 1, fromZero.size());
    for (std::uint32_t k = 0; k < MaxTerms; ++k) {
        const double expected = k < fromZero.size() ? fromZero[k] : 0.0;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(r.coefficients[k]), std::bit_cast<std::uint64_t>(expected))
            << "index " << k << ": " << r.coefficients[k] << " instead of " << expected;
    }
}

using DegreePair = std::tuple<std::uint32_t, std::uint32_t>;

class ProductOfRandomPolynomials : public ::testing::TestWithParam<std::tuple<ProductKind, DegreePair>> {};

TEST_P(ProductOfRandomPolynomials, IsThePlainConvolutionOfTheSplitFactorBitForBit) {
    const auto& [kind, degrees] = GetParam();
    const auto [da, db] = degrees;
    std::mt19937_64 engine(20240611u + da * 1000u + db);
    const Polynomial a = randomPolynomial(engine, da, "A");
    const Polynomial b = randomPolynomial(engine, db, "B");
    const ConsoleCapture capture;
    const Polynomial r = kind.compute(a, b);
    // Equal degrees split the first operand; the order of additions shows it.
    expectSameBits(r, da <= db ? plainConvolution(a, b) : plainConvolution(b, a));
    EXPECT_EQ(r.variable, "x");
    EXPECT_EQ(r.mu, 0.0);
    EXPECT_EQ(r.remainder, 0.0);
    EXPECT_EQ(capture.out(), "");
}

INSTANTIATE_TEST_SUITE_P(Degrees, ProductOfRandomPolynomials,
                         ::testing::Combine(::testing::Values(Table, Running),
                                            ::testing::Values(DegreePair{0, 0}, DegreePair{0, 900}, DegreePair{900, 0},
                                                              DegreePair{1, 2}, DegreePair{37, 512}, DegreePair{64, 64},
                                                              DegreePair{99, 200}, DegreePair{99, 900},
                                                              DegreePair{900, 99}, DegreePair{100, 5},
                                                              DegreePair{5, 100}, DegreePair{0, 999})));

// A·X^da times B·X^db: every coefficient of the split factor but its last is
// 0, and each still gives a part of the name.
struct NameCase {
    std::uint32_t da;
    std::uint32_t db;
    const char* tableName;
    const char* runningName;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.da << " and " << c.db; }

class ProductNames : public ::testing::TestWithParam<NameCase> {};

Polynomial powerOfX(std::uint32_t degree, const char* name) {
    Polynomial p;
    p.name = name;
    p.degree = degree;
    p.coefficients[degree] = 1.0;
    return p;
}

TEST_P(ProductNames, HaveOnePartPerTermOfTheSplitFactor) {
    const NameCase& c = GetParam();
    const Polynomial a = powerOfX(c.da, "A");
    const Polynomial b = powerOfX(c.db, "B");
    std::vector<double> power(c.da + c.db + 1, 0.0);
    power.back() = 1.0;
    const Polynomial byTable = tableProduct(a, b);
    const Polynomial running = runningProduct(a, b);
    EXPECT_EQ(byTable.name, c.tableName);
    EXPECT_EQ(running.name, c.runningName);
    expectSameBits(byTable, power);
    expectSameBits(running, power);
}

INSTANTIATE_TEST_SUITE_P(Degrees, ProductNames,
                         ::testing::Values(NameCase{1, 2, "M×B+M×B", "A×B+M×B+M×B"},
                                           NameCase{2, 1, "M×A+M×A", "A×B+M×A+M×A"},
                                           NameCase{1, 1, "M×B+M×B", "A×B+M×B+M×B"}, NameCase{0, 3, "M×B", "A×B+M×B"},
                                           NameCase{3, 0, "M×A", "A×B+M×A"},
                                           NameCase{4, 6, "M×B+M×B+M×B+M×B+M×B", "A×B+M×B+M×B+M×B+M×B+M×B"},
                                           NameCase{100, 5, "M×A+M×A+M×A+M×A+M×A+M×A", "A×B+M×A+M×A+M×A+M×A+M×A+M×A"},
                                           NameCase{5, 100, "M×B+M×B+M×B+M×B+M×B+M×B", "A×B+M×B+M×B+M×B+M×B+M×B+M×B"}));

TEST(ProductNames, TheSignIsTheConsoleByteOfTheTimesSign) {
    Polynomial p = fromHighest({1, 2});
    Polynomial q = fromHighest({3, 4, 5});
    p.name = "P";
    q.name = "Q";
    EXPECT_EQ(toCodePage850(tableProduct(p, q).name), "M\x9EQ+M\x9EQ");
    EXPECT_EQ(toCodePage850(runningProduct(p, q).name), "P\x9EQ+M\x9EQ+M\x9EQ");
}

struct RefusalCase {
    std::uint32_t da;
    std::uint32_t db;
    bool byStackGuard;
    std::uint32_t degree;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.da << " and " << c.db << (c.byStackGuard ? ", stack guard" : ", capacity");
}

class RefusedProduct : public ::testing::TestWithParam<std::tuple<ProductKind, RefusalCase>> {};

TEST_P(RefusedProduct, WritesItsWarningAndReturnsZerosOfAValidDegree) {
    const auto& [kind, c] = GetParam();
    Polynomial a;
    Polynomial b;
    a.name = "A";
    b.name = "B";
    a.variable = b.variable = "t";
    a.mu = b.remainder = 7.0;
    a.coefficients.fill(1.0);
    b.coefficients.fill(1.0);
    a.degree = c.da;
    b.degree = c.db;
    const ConsoleCapture capture;
    const Polynomial r = kind.compute(a, b);
    EXPECT_EQ(capture.out(), c.byStackGuard ? kind.stackWarning : CapacityWarning);
    EXPECT_EQ(r.name, "A×B");
    EXPECT_EQ(r.degree, c.degree);
    for (const double coefficient : r.coefficients) ASSERT_EQ(coefficient, 0.0);
    EXPECT_EQ(r.variable, "x");
    EXPECT_EQ(r.mu, 0.0);
    EXPECT_EQ(r.remainder, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Degrees, RefusedProduct,
    ::testing::Combine(::testing::Values(Table, Running),
                       ::testing::Values(RefusalCase{100, 150, true, 250}, RefusalCase{150, 100, true, 250},
                                         RefusalCase{100, 899, true, 999}, RefusalCase{100, 999, true, 0},
                                         RefusalCase{4294967295u, 4294967295u, true, 0}, RefusalCase{1, 999, false, 0},
                                         RefusalCase{99, 901, false, 0}, RefusalCase{999, 1, false, 0},
                                         RefusalCase{0, 1000, false, 0}, RefusalCase{4294967295u, 1, false, 0})));

// The table product starts from the first partial product itself, the running
// product from a new polynomial's +0: a -0 product survives in the first only.
TEST(ProductSignsOfZero, FollowTheOrderOfTheAdditions) {
    const Polynomial minusOne = fromHighest({-1});
    const Polynomial zero = fromHighest({0});
    EXPECT_TRUE(std::signbit(tableProduct(minusOne, zero).coefficients[0]));
    EXPECT_FALSE(std::signbit(runningProduct(minusOne, zero).coefficients[0]));

    // Split -X - 1 against 0X + 0: entry 1 is -0 + -0 in the table product,
    // entries 0 and 2 have a +0 added (a zero of a slot, the zero above r).
    const Polynomial split = fromHighest({-1, -1});
    const Polynomial zeros = fromHighest({0, 0});
    const Polynomial byTable = tableProduct(split, zeros);
    const Polynomial running = runningProduct(split, zeros);
    for (std::uint32_t k = 0; k <= 2; ++k) {
        EXPECT_EQ(std::signbit(byTable.coefficients[k]), k == 1) << "index " << k;
        EXPECT_FALSE(std::signbit(running.coefficients[k])) << "index " << k;
    }
}

}  // namespace
