// Above the lower of the two degrees, each entry of a sum is the higher
// operand's entry plus 0, bit for bit, whichever operand is the higher one:
// -0 becomes +0, and infinities and NaN come through as that addition gives them.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

#include "polynomial_builders.hpp"
#include "tessarivand/arithmetic/sum.hpp"

namespace {

using tessarivand::Polynomial;
using tessarivand::testing::fromHighest;

struct UpperEntryCase {
    const char* title;
    double value;
};

void PrintTo(const UpperEntryCase& c, std::ostream* os) { *os << c.title; }

class SumUpperEntry : public ::testing::TestWithParam<UpperEntryCase> {};

std::uint64_t bitsOf(double value) { return std::bit_cast<std::uint64_t>(value); }

// A value that the compiler cannot fold: the addition happens at run time, as in the sum.
double plusZero(double value) {
    volatile double zero = 0.0;
    return value + zero;
}

TEST_P(SumUpperEntry, IsTheHigherEntryPlusZeroInEitherOrder) {
    const double value = GetParam().value;
    const Polynomial higher = fromHighest({value, value, 1.5});
    const Polynomial lower = fromHighest({2.0});
    const Polynomial firstHigher = sum(higher, lower);
    const Polynomial secondHigher = sum(lower, higher);
    for (const Polynomial* r : {&firstHigher, &secondHigher}) {
        ASSERT_EQ(r->degree, 2U);
        EXPECT_EQ(bitsOf(r->coefficients[0]), bitsOf(3.5));
        EXPECT_EQ(bitsOf(r->coefficients[1]), bitsOf(plusZero(value)));
        EXPECT_EQ(bitsOf(r->coefficients[2]), bitsOf(plusZero(value)));
    }
}

using Limits = std::numeric_limits<double>;

INSTANTIATE_TEST_SUITE_P(Values, SumUpperEntry,
                         ::testing::Values(UpperEntryCase{"minus zero", -0.0}, UpperEntryCase{"plus zero", 0.0},
                                           UpperEntryCase{"negative", -2.25},
                                           UpperEntryCase{"subnormal", -Limits::denorm_min()},
                                           UpperEntryCase{"infinity", -Limits::infinity()},
                                           UpperEntryCase{"quiet NaN", -Limits::quiet_NaN()}));

}  // namespace
