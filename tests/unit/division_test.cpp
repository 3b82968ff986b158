#include "tessarivand/arithmetic/division.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "console_capture.hpp"
#include "polynomial_builders.hpp"
#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/console/streams.hpp"

namespace {

using tessarivand::divideByBinomial;
using tessarivand::HornerTable;
using tessarivand::hornerTable;
using tessarivand::Polynomial;
using tessarivand::printHornerTable;
using tessarivand::quotientByBinomial;
using tessarivand::console::toCodePage850;
using tessarivand::testing::ConsoleCapture;
using tessarivand::testing::fromHighest;
using tessarivand::testing::readDataFile;

std::string printedDivision(Polynomial p, double mu) {
    const ConsoleCapture capture;
    divideByBinomial(p, mu);
    return capture.out();
}

// The identity line of a printed division, between its two asterisk rows.
std::string identityLine(const std::string& printed) {
    const std::string start = "\n\n P(X) = ";
    const auto begin = printed.find(start);
    const auto end = printed.find("\n\n\n***", begin);
    return printed.substr(begin + 3, end - begin - 3);
}

struct DivisionCase {
    Polynomial p;
    double mu;
    const char* line;
};

void PrintTo(const DivisionCase& c, std::ostream* os) { *os << c.line; }

class DivisionExamples : public ::testing::TestWithParam<DivisionCase> {};

TEST_P(DivisionExamples, PrintsTheIdentity) {
    EXPECT_EQ(identityLine(printedDivision(GetParam().p, GetParam().mu)), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, DivisionExamples,
    ::testing::Values(DivisionCase{fromHighest({2, 0, -3, 1}), 2, "P(X) = (X - 2).((2 X^2) + (4 X) + (5)) + (11)"},
                      DivisionCase{fromHighest({2, 0, -3, 1}), -2, "P(X) = (X - -2).((2 X^2) + (-4 X) + (5)) + (-9)"},
                      DivisionCase{fromHighest({3, 2}), 1, "P(X) = (X - 1).(3) + (5)"},
                      DivisionCase{fromHighest({-1, 0, 4}), 3, "P(X) = (X - 3).((-1 X) + (-3)) + (-5)"},
                      DivisionCase{fromHighest({1, 0, 0, -1}), 0, "P(X) = (X - 0).((1 X^2)) + (-1)"},
                      DivisionCase{fromHighest({1, 0, 0, -1}), 1, "P(X) = (X - 1).((1 X^2) + (1 X) + (1)) + (0)"},
                      DivisionCase{fromHighest({1, 1, 1, 1, 1}), 0.5,
                                   "P(X) = (X - 0.5).((1 X^3) + (1.5 X^2) + (1.75 X) + (1.875)) + (1.9375)"},
                      DivisionCase{fromHighest({1, 0, 0}), 0.1, "P(X) = (X - 0.1).((1 X) + (0.1)) + (0.01)"},
                      DivisionCase{fromHighest({5}), 1, "P(X) = (X - 1).(0) + (5)"},
                      DivisionCase{fromHighest({-0.0}), 3, "P(X) = (X - 3).(0) + (0)"},
                      DivisionCase{fromHighest({1, 0}), 1234567, "P(X) = (X - 1.23457e+006).(1) + (1.23457e+006)"}));

TEST(DivideByBinomial, WholeBlockInCodePage850) {
    EXPECT_EQ(toCodePage850(printedDivision(fromHighest({2, 0, -3, 1}), 2)), readDataFile("division_cubic.cp850"));
}

TEST(DivideByBinomial, StoresMuAndRemainderInPAndReturnsQNamedQ) {
    Polynomial p = fromHighest({2, 0, -3, 1});
    const Polynomial before = p;
    const ConsoleCapture capture;
    const Polynomial q = divideByBinomial(p, 2);
    EXPECT_EQ(p.mu, 2.0);
    EXPECT_EQ(p.remainder, 11.0);
    EXPECT_EQ(p.name, before.name);
    EXPECT_EQ(p.degree, before.degree);
    EXPECT_EQ(p.coefficients, before.coefficients);

    EXPECT_EQ(q.name, "Q");
    EXPECT_EQ(q.variable, "x");
    EXPECT_EQ(q.degree, 2u);
    EXPECT_EQ(q.coefficients[2], 2.0);
    EXPECT_EQ(q.coefficients[1], 4.0);
    EXPECT_EQ(q.coefficients[0], 5.0);
    for (std::size_t k = 3; k < q.coefficients.size(); ++k) EXPECT_EQ(q.coefficients[k], 0.0);
    EXPECT_EQ(q.mu, 0.0);
    EXPECT_EQ(q.remainder, 0.0);
}

TEST(DivideByBinomial, SecondDivisionReplacesMuAndRemainder) {
    Polynomial p = fromHighest({2, 0, -3, 1});
    quotientByBinomial(p, 2);
    quotientByBinomial(p, -2);
    EXPECT_EQ(p.mu, -2.0);
    EXPECT_EQ(p.remainder, -9.0);
}

TEST(DivideByBinomial, ConstantGivesTheZeroQuotientAndItselfAsRemainder) {
    Polynomial p = fromHighest({5});
    const Polynomial q = quotientByBinomial(p, 1);
    EXPECT_EQ(q.degree, 0u);
    for (const double c : q.coefficients) EXPECT_EQ(c, 0.0);
    EXPECT_EQ(p.remainder, 5.0);
}

TEST(DivideByBinomial, NegativeZeroConstantGivesAPositiveZeroRemainder) {
    Polynomial p = fromHighest({-0.0});
    quotientByBinomial(p, 3);
    EXPECT_FALSE(std::signbit(p.remainder));
}

TEST(DivideByBinomial, RemainderOfXSquaredAtOneTenthIsTheRoundedProduct) {
    Polynomial p = fromHighest({1, 0, 0});
    quotientByBinomial(p, 0.1);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(p.remainder), std::bit_cast<std::uint64_t>(0.010000000000000002));
}

// With a[0] = -0.01 the remainder is fl(0.1 * 0.1) - 0.01; a fused
// multiply-add would subtract from the exact product instead.
TEST(DivideByBinomial, EveryProductIsRoundedBeforeItsSum) {
    Polynomial p = fromHighest({1, 0, -0.01});
    quotientByBinomial(p, 0.1);
    volatile double product = 0.1 * 0.1;
    const double separate = -0.01 + product;
    const double fused = std::fma(0.1, 0.1, -0.01);
    ASSERT_NE(std::bit_cast<std::uint64_t>(separate), std::bit_cast<std::uint64_t>(fused));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(p.remainder), std::bit_cast<std::uint64_t>(separate));
}

// The highest degree, and degrees set in the field directly past the slots,
// which the entry refuses but the type allows: the division reads those as
// the highest degree, and nothing outside the slots (the sanitized build
// checks every index).
class DivisionAtTheHighestDegree : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(DivisionAtTheHighestDegree, GivesAQuotientOfDegreeNineHundredNinetyEight) {
    Polynomial p;
    p.degree = GetParam();
    for (double& c : p.coefficients) c = 1.0;
    EXPECT_EQ(hornerTable(p, 1.0).coefficients.size(), 1000u);
    const Polynomial q = quotientByBinomial(p, 1.0);
    EXPECT_EQ(q.degree, 998u);
    // Dividing 1 + X + ... + X^999 by (X - 1): q[k] counts the terms above k.
    for (std::uint32_t k = 0; k <= 998; ++k) EXPECT_EQ(q.coefficients[k], 999.0 - k) << k;
    EXPECT_EQ(p.remainder, 1000.0);

    const std::string printed = printedDivision(p, 1.0);
    std::size_t parentheses = 0;
    for (const char c : identityLine(printed)) parentheses += c == '(' ? 1 : 0;
    // P(X), (X - 1), the quotient's own, its 999 terms, the remainder
    EXPECT_EQ(parentheses, 1u + 1u + 1u + 999u + 1u);
}

INSTANTIATE_TEST_SUITE_P(Degrees, DivisionAtTheHighestDegree, ::testing::Values(999u, 1000u, 4294967295u));

// The table is the division's own arithmetic: its sums are the quotient and
// the remainder to the last bit, and each product is mu times the sum before.
// Recorded from the division's own pass, it is the same table, and the
// quotient the same, to the last bit.
TEST(HornerTable, SumsAreTheQuotientAndRemainderBitForBit) {
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> coefficient(-1000.0, 1000.0);
    std::uniform_real_distribution<double> muValue(-2.0, 2.0);
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    for (int trial = 0; trial < 300; ++trial) {
        Polynomial p;
        // Short polynomials, constants among them, as often as long ones.
        p.degree = static_cast<std::uint32_t>(random() % (trial % 2 == 0 ? 5 : tessarivand::MaxTerms));
        for (std::uint32_t k = 0; k <= p.degree; ++k) p.coefficients[k] = coefficient(random);
        const double mu = muValue(random);
        const HornerTable table = hornerTable(p, mu);
        const Polynomial q = quotientByBinomial(p, mu);
        const std::size_t n = p.degree;
        ASSERT_EQ(table.coefficients.size(), n + 1);
        ASSERT_EQ(table.products.size(), n);
        ASSERT_EQ(table.sums.size(), n + 1);
        EXPECT_EQ(bits(table.mu), bits(mu));
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_EQ(bits(table.coefficients[i]), bits(p.coefficients[n - i])) << trial;
            EXPECT_EQ(bits(table.sums[i]), bits(q.coefficients[n - 1 - i])) << trial;
            EXPECT_EQ(bits(table.products[i]), bits(mu * table.sums[i])) << trial;
        }
        EXPECT_EQ(bits(table.coefficients[n]), bits(p.coefficients[0])) << trial;
        EXPECT_EQ(bits(table.sums[n]), bits(p.remainder)) << trial;
        Polynomial onePass = p;
        HornerTable recorded;
        const Polynomial recordedQuotient = quotientByBinomial(onePass, mu, recorded);
        EXPECT_EQ(bits(onePass.remainder), bits(p.remainder)) << trial;
        EXPECT_EQ(recordedQuotient.coefficients, q.coefficients) << trial;
        EXPECT_EQ(recorded.coefficients, table.coefficients) << trial;
        for (const auto& [one, two] :
             {std::pair{&recorded.products, &table.products}, std::pair{&recorded.sums, &table.sums}}) {
            ASSERT_EQ(one->size(), two->size()) << trial;
            for (std::size_t i = 0; i < one->size(); ++i) EXPECT_EQ(bits((*one)[i]), bits((*two)[i])) << trial;
        }
    }
}

// The table's blocks, as printed after its legend.
std::string printedTableBody(const Polynomial& p, double mu) {
    const ConsoleCapture capture;
    printHornerTable(hornerTable(p, mu));
    const std::string printed = capture.out();
    const std::string legendEnd = "P(µ).\n";
    return printed.substr(printed.find(legendEnd) + legendEnd.size());
}

struct TableCase {
    const char* name;
    Polynomial p;
    double mu;
    const char* body;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class HornerTableLayout : public ::testing::TestWithParam<TableCase> {};

TEST_P(HornerTableLayout, PrintsTheBlocks) {
    EXPECT_EQ(printedTableBody(GetParam().p, GetParam().mu), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, HornerTableLayout,
    ::testing::Values(
        // -2 × 0 is -0, written 0; the remainder's bar on every row.
        TableCase{"NoNegativeZero", fromHighest({1, 2, 5}), -2,
                  "\n Puissances   |   X^2   X^1   | X^0"
                  "\n Coefficients |     1     2   |   5"
                  "\n µ = -2       |          -2   |   0"
                  "\n Sommes       |     1     0   |   5"},
        // All five columns would make 82: the remainder's costs its own gap
        // of 5, and takes X^1 with it into the last block.
        TableCase{"RemainderCostsItsOwnGap", fromHighest({1125000, 1125000, 1125000, 1125000, 1125000}), 0,
                  "\n Puissances   |          X^4          X^3          X^2"
                  "\n Coefficients |   1.125e+006   1.125e+006   1.125e+006"
                  "\n µ = 0        |                         0            0"
                  "\n Sommes       |   1.125e+006   1.125e+006   1.125e+006"
                  "\n"
                  "\n Puissances   |          X^1   |        X^0"
                  "\n Coefficients |   1.125e+006   | 1.125e+006"
                  "\n µ = 0        |            0   |          0"
                  "\n Sommes       |   1.125e+006   | 1.125e+006"},
        // A block of exactly 80 columns is not split.
        TableCase{"BlockOfEightyFits", fromHighest({1125000, 1125000, 1125000, 1125000, 1125000, 1125000, 1125000}), 0,
                  "\n Puissances   |          X^6          X^5          X^4          X^3          X^2"
                  "\n Coefficients |   1.125e+006   1.125e+006   1.125e+006   1.125e+006   1.125e+006"
                  "\n µ = 0        |                         0            0            0            0"
                  "\n Sommes       |   1.125e+006   1.125e+006   1.125e+006   1.125e+006   1.125e+006"
                  "\n"
                  "\n Puissances   |          X^1   |        X^0"
                  "\n Coefficients |   1.125e+006   | 1.125e+006"
                  "\n µ = 0        |            0   |          0"
                  "\n Sommes       |   1.125e+006   | 1.125e+006"}),
    [](const ::testing::TestParamInfo<TableCase>& info) { return std::string(info.param.name); });

}  // namespace
