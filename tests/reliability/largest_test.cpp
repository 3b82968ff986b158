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

}  // namespace
