#include <gtest/gtest.h>

#include <string>

#include "console_capture.hpp"
#include "polynomial_builders.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/console/streams.hpp"

namespace {

using tessarivand::Polynomial;
using tessarivand::writeTerms;
using tessarivand::console::toCodePage850;
using tessarivand::testing::ConsoleCapture;
using tessarivand::testing::fromHighest;
using tessarivand::testing::readDataFile;

std::string termsOf(const Polynomial& p) {
    const ConsoleCapture capture;
    writeTerms(p);
    return capture.out();
}

std::string displayOf(const Polynomial& p, const std::string& label = "P") {
    const ConsoleCapture capture;
    p.displayExpression(label);
    return capture.out();
}

struct TermsCase {
    Polynomial polynomial;
    const char* terms;
};

void PrintTo(const TermsCase& c, std::ostream* os) { *os << c.terms; }

class WriteTerms : public ::testing::TestWithParam<TermsCase> {};

TEST_P(WriteTerms, WritesEachTermInItsParenthesesJoinedByPlus) {
    EXPECT_EQ(termsOf(GetParam().polynomial), GetParam().terms);
}

INSTANTIATE_TEST_SUITE_P(
    ExpressionExamples, WriteTerms,
    ::testing::Values(TermsCase{fromHighest({2, 0, -3, 1}), "(2 X^3) + (-3 X) + (1)"},
                      TermsCase{fromHighest({3, 2}), "(3 X) + (2)"}, TermsCase{fromHighest({5, 0}), "(5 X)"},
                      TermsCase{fromHighest({1, 0, 0}), "(1 X^2)"},
                      TermsCase{fromHighest({1, 0, -0.5, 0, 7}), "(1 X^4) + (-0.5 X^2) + (7)"},
                      TermsCase{fromHighest({-1, -0.0, -1}), "(-1 X^2) + (-1)"},
                      TermsCase{fromHighest({1234567, 0.0001, 0.00001}), "(1.23457e+006 X^2) + (0.0001 X) + (1e-005)"},
                      TermsCase{fromHighest({2.50, __builtin_nan(""), 0}), "(2.5 X^2)"}));

TEST(WriteTermsAtFullDegree, NineHundredNinetyNineWritesAThousandTermsOnOneLine) {
    Polynomial p;
    p.degree = 999;
    for (double& c : p.coefficients) c = 1.0;
    const std::string terms = termsOf(p);
    EXPECT_EQ(terms.find('\n'), std::string::npos);
    std::size_t parentheses = 0;
    for (const char c : terms) parentheses += c == '(' ? 1 : 0;
    EXPECT_EQ(parentheses, 1000u);
    EXPECT_EQ(terms.substr(0, 14), "(1 X^999) + (1");
    EXPECT_TRUE(terms.ends_with(" + (1 X^2) + (1 X) + (1)"));
}

TEST(PrintBanner, AddsOnlyTheLineBreaksAroundBothTexts) {
    const ConsoleCapture capture;
    tessarivand::console::printBanner("  un", "deux ");
    EXPECT_EQ(capture.out(), "\n\n  un\n\n\n\ndeux \n\n");
}

TEST(DisplayExpression, WholeBlockOfACubicInCodePage850) {
    EXPECT_EQ(toCodePage850(displayOf(fromHighest({2, 0, -3, 1}))), readDataFile("display_cubic.cp850"));
}

TEST(DisplayExpression, WholeConstantBoxInCodePage850) {
    EXPECT_EQ(toCodePage850(displayOf(fromHighest({-2.5}))), readDataFile("display_constant.cp850"));
}

TEST(DisplayExpression, DefaultPolynomialShowsTheZeroConstantAndDegreeZero) {
    const std::string shown = displayOf(Polynomial{});
    EXPECT_NE(shown.find("est : 0   ===\n"), std::string::npos);
    EXPECT_NE(shown.find("\n                       P(X) = 0 = Polynôme Constant\n"), std::string::npos);
}

TEST(DisplayExpression, UsesTheGivenLabelAndReadsNothingAboveTheDegree) {
    Polynomial p = fromHighest({3, 2});
    p.coefficients[2] = 9.0;  // stale slot from an earlier, higher entry
    const std::string shown = displayOf(p, "Q");
    EXPECT_NE(shown.find("\n Q(X) = (3 X) + (2)\n"), std::string::npos);
    EXPECT_NE(shown.find("est : 1   ===\n"), std::string::npos);
    EXPECT_EQ(shown.find('9'), std::string::npos);
}

}  // namespace
