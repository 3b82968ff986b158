// The largest polynomial the program takes, through every menu choice: every
// coefficient slot is written and read, so that an index one past the end
// meets the bounds checks of the sanitized build.
#include <gtest/gtest.h>

#include <string>

#include "reliability.hpp"

namespace {

using namespace tessarivand::testing;

// Degree, then the coefficients from the highest index down.
std::string polynomialOfDegree(int degree, const std::string& coefficient) {
    std::string lines = std::to_string(degree) + "\n";
    for (int i = degree; i >= 0; --i) lines += coefficient + "\n";
    return lines;
}

TEST(LargestPolynomial, GoesThroughEveryChoice) {
    const std::string input = polynomialOfDegree(999, "1") + "1\n"              // P and µ
                              + "3\n-1\n"                                       // µ only
                              + "2\n" + polynomialOfDegree(999, "-2.5")         // P only
                              + "1\n" + polynomialOfDegree(998, "3") + "0.5\n"  // both, one degree lower
                              + "4\nq";
    const TemporaryDirectory dir;
    const ChildEnd end = runChild(programPath(), setupOnFiles(dir, input, std::chrono::seconds(120)));
    ASSERT_FALSE(end.timedOut);
    ASSERT_TRUE(end.exited) << "ended by signal " << end.signal;
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(readFile(dir.file("err")), "");
    const std::string out = readFile(dir.file("out"));
    // Dividing the sum of X^0..X^999 by (X - 1): the quotient has
    // the coefficients 1 up to 999, the remainder is 1000.
    EXPECT_NE(out.find("P(X) = (X - 1).((1 X^998) + (2 X^997)"), std::string::npos);
    EXPECT_NE(out.find(" + (998 X) + (999)) + (1000)"), std::string::npos);
}

// Exact mode's choice 5 on the largest polynomial with long fractions
// (thirty digits over thirty, each denominator its own): its budget stops it
// with a notice, and the menu comes back.
TEST(LargestPolynomial, StopsItsRootSearchAtTheBudgetWithANotice) {
    std::string input = "999\n";
    for (int i = 999; i >= 0; --i) {
        input += "123456789012345678901234567" + std::to_string(100 + i % 900) + "/98765432109876543210987654" +
                 std::to_string(1000 + i) + "\n";
    }
    input += "1\n5\n4\nq";
    const TemporaryDirectory dir;
    ChildSetup setup = setupOnFiles(dir, input, std::chrono::seconds(120));
    setup.arguments = {"--exact"};
    const ChildEnd end = runChild(programPath(), setup);
    ASSERT_FALSE(end.timedOut);
    ASSERT_TRUE(end.exited) << "ended by signal " << end.signal;
    EXPECT_EQ(end.status, 0);
    const std::string out = readFile(dir.file("out"));
    const auto notice = out.find("demanderait trop de calcul et n'est pas faite :\n  l'");
    ASSERT_NE(notice, std::string::npos);
    EXPECT_NE(out.find("coefficients entiers.\n  Les racines montr", notice), std::string::npos);
    EXPECT_NE(out.find("5. Chercher les racines rationnelles", notice), std::string::npos);
}

}  // namespace
