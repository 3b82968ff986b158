#include "tessarivand/numbers/number_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tessarivand/numbers/rational.hpp"

namespace {

using tessarivand::Rational;
using tessarivand::numbers::formatInteger;
using tessarivand::numbers::formatRational;
using tessarivand::numbers::formatReal;

struct RealCase {
    double value;
    const char* text;
};

void PrintTo(const RealCase& c, std::ostream* os) { *os << c.text; }

class RealFormat : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealFormat, WritesSixSignificantDigitsWithThreeDigitExponent) {
    EXPECT_EQ(formatReal(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(OverviewExamples, RealFormat,
                         ::testing::Values(RealCase{2.50, "2.5"}, RealCase{3.14159265, "3.14159"},
                                           RealCase{1234567.0, "1.23457e+006"}, RealCase{0.0001, "0.0001"},
                                           RealCase{0.00001, "1e-005"}, RealCase{1e3, "1000"}, RealCase{2.0, "2"},
                                           RealCase{-0.5, "-0.5"}, RealCase{0.010000000000000002, "0.01"}));

INSTANTIATE_TEST_SUITE_P(
    Edges, RealFormat,
    ::testing::Values(RealCase{999999.0, "999999"}, RealCase{1e6, "1e+006"}, RealCase{999999.5, "1e+006"},
                      RealCase{9.999995e-5, "0.0001"}, RealCase{9.99999e-5, "9.99999e-005"}, RealCase{0.0, "0"},
                      RealCase{-0.0, "-0"}, RealCase{1e300, "1e+300"}, RealCase{-1.5e-300, "-1.5e-300"},
                      RealCase{4.9406564584124654e-324, "4.94066e-324"},
                      RealCase{2.2250738585072009e-308, "2.22507e-308"},
                      RealCase{1.7976931348623157e308, "1.79769e+308"}, RealCase{123456.5, "123456"},
                      RealCase{-1234567.0, "-1.23457e+006"}, RealCase{1e100, "1e+100"}));

TEST(RealFormatSpecialValues, InfinitiesAndNaNAsTheCLibraryWritesThem) {
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatReal(Infinity), "inf");
    EXPECT_EQ(formatReal(-Infinity), "-inf");
    EXPECT_EQ(formatReal(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(formatReal(std::copysign(std::numeric_limits<double>::quiet_NaN(), -1.0)), "-nan");
}

TEST(IntegerFormat, PlainDecimal) {
    EXPECT_EQ(formatInteger(0), "0");
    EXPECT_EQ(formatInteger(999), "999");
    EXPECT_EQ(formatInteger(-1), "-1");
    EXPECT_EQ(formatInteger(4294967295LL), "4294967295");
}

TEST(RationalFormat, IntegersAsDigitsOthersAsLowestTerms) {
    EXPECT_EQ(formatRational(Rational(-3)), "-3");
    EXPECT_EQ(formatRational(Rational(-6, 4)), "-3/2");
    EXPECT_EQ(formatRational(-(Rational(-1, 3) + Rational(1, 3))), "0");
    const Rational huge = boost::multiprecision::pow(boost::multiprecision::cpp_int(10), 40);
    EXPECT_EQ(formatRational(-huge / 3), "-1" + std::string(40, '0') + "/3");
}

}  // namespace
