// The bounded extraction of a real must take the same characters, give the
// same double (to the bit) and leave the same stream state as the standard
// extraction, whatever the text. The exact reading follows the same grammar
// and gives the value typed, exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tessarivand/input/extraction.hpp"

namespace {

using tessarivand::Rational;
using tessarivand::input::extractExact;
using tessarivand::input::extractReal;
using tessarivand::numbers::ExactRefusal;

struct Outcome {
    std::uint64_t bits;
    std::ios_base::iostate state;
    std::string left{};
};

Outcome outcomeOf(std::istringstream& in, double value) {
    const std::ios_base::iostate state = in.rdstate();
    in.clear();
    return {std::bit_cast<std::uint64_t>(value), state,
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
}

void expectSameAsStandard(const std::string& text) {
    std::istringstream standard(text);
    double expected = 12345.0;
    standard >> expected;
    std::istringstream bounded(text);
    double actual = 12345.0;
    extractReal(bounded, actual);
    const Outcome want = outcomeOf(standard, expected);
    const Outcome got = outcomeOf(bounded, actual);
    const std::string shown = text.size() > 80 ? text.substr(0, 40) + "..." + text.substr(text.size() - 40) : text;
    EXPECT_EQ(got.bits, want.bits) << shown << ": " << actual << " instead of " << expected;
    EXPECT_EQ(got.state, want.state) << shown;
    EXPECT_EQ(got.left, want.left) << shown;
}

// Decimal digits of 2^n (n >= 0) or of 5^n, by schoolbook multiplication.
std::string powerDigits(int base, int exponent) {
    std::vector<int> digits{1};  // least significant first
    for (int i = 0; i < exponent; ++i) {
        int carry = 0;
        for (int& d : digits) {
            const int product = d * base + carry;
            d = product % 10;
            carry = product / 10;
        }
        for (; carry > 0; carry /= 10) digits.push_back(carry % 10);
    }
    std::string text;
    for (const int d : digits) text.push_back(static_cast<char>('0' + d));
    std::reverse(text.begin(), text.end());
    return text;
}

// 2^-n written out in full: 5^n shifted n places after the point.
std::string exactNegativePowerOfTwo(int n) {
    const std::string digits = powerDigits(5, n);
    return "0." + std::string(static_cast<std::size_t>(n) - digits.size(), '0') + digits;
}

// Short texts around every branch of the grammar, the limits of a double and
// what lies outside the grammar.
const std::vector<std::string> ShortTexts = {"",
                                             " ",
                                             "\n\n",
                                             "+",
                                             "-",
                                             ".",
                                             "+.",
                                             "-.e1",
                                             "e5",
                                             "E5",
                                             "1e",
                                             "1e+",
                                             "1e-",
                                             "1e+5",
                                             "1E5",
                                             "1e5e5",
                                             "1.2.3",
                                             "..5",
                                             ".5",
                                             "5.",
                                             "5.e3",
                                             ".e3",
                                             "-0",
                                             "+0",
                                             "0",
                                             "000",
                                             "000123",
                                             "0.000",
                                             "00.00100",
                                             "-00.0e9",
                                             "1e999",
                                             "-1e999",
                                             "1e-999",
                                             "-1e-999",
                                             "1e-320",
                                             "4.9e-324",
                                             "2.4703282292062327e-324",
                                             "2.4703282292062328e-324",
                                             "1.7976931348623157e308",
                                             "1.7976931348623158e308",
                                             "1.797693134862315807e308",
                                             "1.797693134862315808e308",
                                             "-1.797693134862315808e308",
                                             "12abc",
                                             "3,5",
                                             "nan",
                                             "inf",
                                             "-inf",
                                             "0x1p3",
                                             "1e0000000000000000000000000000005",
                                             "1e-99999999999999999999999",
                                             "1e99999999999999999999999",
                                             " \t\n 42 rest",
                                             "1 2",
                                             "--1",
                                             "+-1",
                                             "-+1",
                                             "1e+-5",
                                             "1e--5",
                                             "\x80",
                                             std::string("1\0"
                                                         "2",
                                                         3),
                                             "2.5\r\n",
                                             "9.99999999999999999999999",
                                             "0.1",
                                             "0.30000000000000004",
                                             "123456789012345678901234567890",
                                             "1e-5.5",
                                             "7e3x",
                                             "  -  5"};

// A text, and either the refusal it earns or the value and what is left.
struct ExactCase {
    std::string text;
    std::optional<ExactRefusal> refusal;
    Rational value = 0;
    std::string left{};
};

void PrintTo(const ExactCase& c, std::ostream* os) { *os << '"' << c.text.substr(0, 40) << '"'; }

ExactCase readExactly(const std::string& text) {
    std::istringstream in(text);
    ExactCase outcome{text, std::nullopt};
    outcome.refusal = extractExact(in, outcome.value);
    EXPECT_EQ(in.fail(), outcome.refusal.has_value()) << text;
    in.clear();
    outcome.left.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return outcome;
}

// Where the standard extraction finds no number, the exact reading finds
// none; where it takes one, the exact reading takes the same value (to the
// nearest double) or refuses it as beyond exact arithmetic's limits. Among
// subnormals Boost's conversion to double does not always round to nearest,
// so only normal values are compared.
void expectSameGrammarAsStandard(const std::string& text) {
    // A comma is the exact reading's decimal separator too, where the
    // standard extraction stops; those texts are in ExactExtraction's table.
    if (text.find(',') != std::string::npos) return;
    std::istringstream standard(text);
    double expected = 12345.0;
    standard >> expected;
    const ExactCase exact = readExactly(text);
    if (standard) {
        if (exact.refusal) {
            EXPECT_EQ(exact.refusal, ExactRefusal::tooLong) << text;
        } else if (std::abs(expected) >= std::numeric_limits<double>::min() || expected == 0.0) {
            EXPECT_EQ(static_cast<double>(exact.value), expected) << text;
        }
    } else if (expected == 0.0) {
        EXPECT_EQ(exact.refusal, ExactRefusal::notANumber) << text;
    }
}

TEST(RealExtraction, TakesWhatTheStandardOneTakes) {
    for (const std::string& text : ShortTexts) {
        expectSameAsStandard(text);
        expectSameGrammarAsStandard(text);
    }
}

class ExactExtraction : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactExtraction, TakesTheValueTypedOrSaysWhyNot) {
    const ExactCase outcome = readExactly(GetParam().text);
    EXPECT_EQ(outcome.refusal, GetParam().refusal);
    if (!GetParam().refusal) {
        EXPECT_EQ(outcome.value, GetParam().value);
        EXPECT_EQ(outcome.left, GetParam().left);
    }
}

const std::string Nines(1000, '9');
const Rational TenToThe1000 = boost::multiprecision::pow(boost::multiprecision::cpp_int(10), 1000);
using enum ExactRefusal;

INSTANTIATE_TEST_SUITE_P(
    Accepted, ExactExtraction,
    ::testing::Values(ExactCase{"2.5E-4", {}, Rational(1, 4000)}, ExactCase{"-7/4", {}, Rational(-7, 4)},
                      ExactCase{"+6/04", {}, Rational(3, 2)}, ExactCase{"2/3x", {}, Rational(2, 3), "x"},
                      ExactCase{"0,5", {}, Rational(1, 2)}, ExactCase{"-1,25", {}, Rational(-5, 4)},
                      ExactCase{"1,5e3x", {}, Rational(1500), "x"}, ExactCase{"1.5.2", {}, Rational(3, 2), ".2"},
                      ExactCase{"-1e-1000", {}, -1 / TenToThe1000}, ExactCase{Nines, {}, TenToThe1000 - 1},
                      ExactCase{"1/" + Nines, {}, 1 / (TenToThe1000 - 1)}));

INSTANTIATE_TEST_SUITE_P(Refused, ExactExtraction,
                         ::testing::Values(ExactCase{"1e", notANumber}, ExactCase{"-/2", notANumber},
                                           ExactCase{"2/0", badDenominator}, ExactCase{"2/", badDenominator},
                                           ExactCase{"2/-3", badDenominator}, ExactCase{"2/x", badDenominator},
                                           ExactCase{"2/1.5", decimalInFraction}, ExactCase{"1.5/2", decimalInFraction},
                                           ExactCase{"2/3e2", decimalInFraction}, ExactCase{"2\t/3", blankAroundBar},
                                           ExactCase{"2/ 3", blankAroundBar}, ExactCase{"1e999999999", tooLong},
                                           ExactCase{"1e-1001", tooLong}, ExactCase{"1/9" + Nines, tooLong},
                                           ExactCase{"0." + Nines, tooLong},
                                           ExactCase{std::string(3'000'000, '7') + "/2", tooLong},
                                           ExactCase{"1,5.2", separatorClash}, ExactCase{"1.5,2", separatorClash},
                                           ExactCase{"1,5,2", separatorClash}, ExactCase{"1,5/2", commaInFraction},
                                           ExactCase{"2/3,5", commaInFraction}));

TEST(RealExtraction, GivesTheStandardResultForNumbersOfThousandsOfDigits) {
    const std::string zeros(3000, '0');
    const std::string ones(5000, '1');
    // 2^53 + 1 lies halfway between two doubles: what lies beyond the
    // thousandth digit decides the rounding.
    const std::string halfway = "9007199254740993";
    const std::string smallestHalf = exactNegativePowerOfTwo(1075);  // half the smallest subnormal
    ASSERT_EQ(std::strtod(smallestHalf.c_str(), nullptr), 0.0);      // a tie, to even
    ASSERT_GT(std::strtod((smallestHalf + "1").c_str(), nullptr), 0.0);
    const std::vector<std::string> texts{ones,
                                         "-" + ones,
                                         "0." + ones,
                                         ones + "e-4990",
                                         ones + "." + ones,
                                         "." + zeros + ones,
                                         "0." + zeros + zeros + "1e6000",
                                         zeros + zeros + "1",
                                         "1" + zeros,
                                         "1" + zeros + "e-2999",
                                         "1" + zeros + "e-3308",
                                         "1" + zeros + "e-3309",
                                         halfway + zeros,
                                         halfway + zeros + "1",
                                         halfway + zeros + "0",
                                         "-" + halfway + zeros + "1",
                                         halfway + "." + zeros + "1",
                                         smallestHalf,
                                         smallestHalf + zeros + "1",
                                         smallestHalf + "1",
                                         exactNegativePowerOfTwo(1074),
                                         exactNegativePowerOfTwo(1074) + "1",
                                         powerDigits(2, 1024),
                                         powerDigits(2, 1023),
                                         powerDigits(2, 1023) + "." + zeros + "1",
                                         ones + "e" + zeros + "1",
                                         ones + "e-" + zeros + "9",
                                         "0." + zeros + "e" + ones,
                                         ones + "x"};
    for (const std::string& text : texts) {
        expectSameAsStandard(text);
        expectSameGrammarAsStandard(text);
    }
}

TEST(RealExtraction, GivesTheStandardResultForRandomTexts) {
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789000..eE++--x \n";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int k = length(random); k > 0; --k) text.push_back(alphabet[pick(random)]);
        expectSameAsStandard(text);
        expectSameGrammarAsStandard(text);
    }
}

}  // namespace
