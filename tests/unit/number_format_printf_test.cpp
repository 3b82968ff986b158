// formatReal is printf's "%.6g" with the exponent widened to three digits.
// Checked against the C library itself on large deterministic samples: every
// kind of bit pattern, the values whose sixth digit is a tie or next to one
// (exact ties among them), powers of ten and the values that round across a
// decade, with their neighbours, the largest values, subnormals and the
// special values. Natively more than 10^7 values; under wine and in the web
// build, whose C libraries are slower to ask, a thirteenth of them.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "tessarivand/numbers/number_format.hpp"

namespace {

using tessarivand::numbers::formatReal;

#if defined(_WIN32) || defined(__EMSCRIPTEN__)
constexpr std::size_t Scale = 1;
#else
constexpr std::size_t Scale = 13;
#endif

std::string printfWithThreeDigitExponent(double value) {
    // C libraries differ on the sign of a NaN (mingw's printf drops it): the
    // sign bit decides, as in number_format_test.
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    std::array<char, 64> text{};
    const int length = std::snprintf(text.data(), text.size(), "%.6g", value);
    std::string written(text.data(), static_cast<std::size_t>(length));
    const std::size_t e = written.find('e');
    if (e != std::string::npos) {
        const std::size_t digits = written.size() - (e + 2);
        if (digits < 3) written.insert(e + 2, 3 - digits, '0');
    }
    return written;
}

// A fixed sequence of 64-bit numbers (splitmix64), the same on every machine.
class Sequence {
public:
    explicit Sequence(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15U);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9U;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBU;
        return z ^ (z >> 31U);
    }

private:
    std::uint64_t state_;
};

std::vector<double> anyBitPattern() {
    Sequence bits(1);
    std::vector<double> values(Scale * 400000);
    for (double& value : values) value = std::bit_cast<double>(bits.next());
    return values;
}

// n.nnnnn5 × 10^e: the decimal tie of the sixth digit, and the doubles just
// around it, where a wrong rounding shows first.
std::vector<double> sixthDigitTies() {
    Sequence bits(2);
    std::vector<double> values;
    for (std::size_t i = 0; i < Scale * 100000; ++i) {
        const auto digits = static_cast<double>(100000 + bits.next() % 900000);
        const int exponent = static_cast<int>(bits.next() % 620) - 310;
        const double tie = (digits + 0.5) * std::pow(10.0, exponent - 5);
        values.push_back(tie);
        values.push_back(std::nextafter(tie, 0.0));
        values.push_back(-std::nextafter(tie, std::numeric_limits<double>::infinity()));
    }
    return values;
}

// Exact ties of the sixth digit, and their neighbours: dddddd5 × 10^t, which
// a double holds exactly for t ≥ -1, and for t = -2 and -3 when 2d + 1 is a
// multiple of 5 and 25 (d ending in 2 or 7, d = 12 modulo 25); rounded to
// even.
std::vector<double> exactTies() {
    Sequence bits(4);
    std::vector<double> values;
    for (std::size_t i = 0; i < Scale * 50000; ++i) {
        const int t = static_cast<int>(i % 13) - 3;
        std::uint64_t digits = 100000 + bits.next() % 900000;
        if (t == -2) digits += 2 - digits % 5;
        if (t == -3) digits += 12 - digits % 25;
        const auto tie = static_cast<double>(10 * digits + 5);
        const double value = t >= 0 ? tie * std::pow(10.0, t) : tie / std::pow(10.0, -t);
        values.push_back(value);
        values.push_back(std::nextafter(value, 0.0));
        values.push_back(-std::nextafter(value, std::numeric_limits<double>::infinity()));
    }
    return values;
}

// 10^e, 999999.5 × 10^e and 9.999995 × 10^e (where the sixth digit's
// rounding carries into a new decade, and fixed form turns into exponent
// form), with their neighbours, for every exponent that a double reaches;
// then the largest doubles.
std::vector<double> powersOfTen() {
    std::vector<double> values;
    double largest = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < Scale * 10000; ++i) {
        values.push_back(largest);
        largest = std::nextafter(largest, 0.0);
    }
    for (int e = -330; e <= 310; ++e) {
        for (const double base : {1.0, 9.999995, 9.99999, 9.999994999999, 999999.5}) {
            double value = base * std::pow(10.0, e);
            for (int step = 0; step < 4; ++step) {
                values.push_back(value);
                values.push_back(-value);
                value = std::nextafter(value, std::numeric_limits<double>::infinity());
            }
        }
    }
    return values;
}

std::vector<double> subnormalsAndSpecials() {
    Sequence bits(3);
    std::vector<double> values;
    for (std::size_t i = 0; i < Scale * 50000; ++i) {
        const std::uint64_t fraction = bits.next() & ((std::uint64_t{1} << 52U) - 1);
        values.push_back(std::bit_cast<double>(fraction >> (i % 52)));
        values.push_back(-std::bit_cast<double>(fraction));
    }
    using Limits = std::numeric_limits<double>;
    for (const double special : {0.0, -0.0, Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN(),
                                 -Limits::quiet_NaN(), Limits::signaling_NaN(), Limits::max(), -Limits::max(),
                                 Limits::min(), Limits::denorm_min(), -Limits::denorm_min(), Limits::epsilon()}) {
        values.push_back(special);
    }
    return values;
}

struct Sample {
    const char* name;
    std::vector<double> (*values)();
};

void PrintTo(const Sample& sample, std::ostream* os) { *os << sample.name; }

class FormatLikePrintf : public ::testing::TestWithParam<Sample> {};

TEST_P(FormatLikePrintf, EveryValueWrittenAsTheCLibraryWritesIt) {
    const std::vector<double> values = GetParam().values();
    ASSERT_GT(values.size(), 1000U);
    std::size_t differences = 0;
    for (const double value : values) {
        const std::string expected = printfWithThreeDigitExponent(value);
        const std::string written = formatReal(value);
        if (written != expected && ++differences <= 10) {
            ADD_FAILURE() << std::hexfloat << value << ": " << written << " instead of " << expected;
        }
    }
    EXPECT_EQ(differences, 0U) << "of " << values.size() << " values";
}

INSTANTIATE_TEST_SUITE_P(LargeSamples, FormatLikePrintf,
                         ::testing::Values(Sample{"AnyBitPattern", anyBitPattern},
                                           Sample{"SixthDigitTies", sixthDigitTies}, Sample{"ExactTies", exactTies},
                                           Sample{"PowersOfTen", powersOfTen},
                                           Sample{"SubnormalsAndSpecials", subnormalsAndSpecials}),
                         [](const ::testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

}  // namespace
