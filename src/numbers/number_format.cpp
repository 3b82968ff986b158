#include "tessarivand/numbers/number_format.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace tessarivand::numbers {

// Reals: the digits of printf's "%.6g", by an algorithm of the program's
// own, so that every platform writes them with the same code and never reads
// the locale. The six digits come from one multiplication by a power of ten
// from a table; only when that product lies too near a rounding boundary to
// tell (ties among them) are they decided by exact integer arithmetic.
namespace {

constexpr int Digits = 6;
constexpr std::uint64_t LowestSignificand = 100000;  // 10^(Digits - 1)
constexpr std::uint64_t SignificandLimit = 1000000;  // 10^Digits

// A finite positive double, exactly: significand × 2^exponent, the
// significand an integer below 2^53.
struct Binary {
    std::uint64_t significand;
    int exponent;
};

// The bits of a double (the web build's library has no std::bit_cast).
std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

Binary binaryOf(double value) {
    constexpr unsigned FractionBits = 52;
    const std::uint64_t bits = bitsOf(value);
    const auto biased = static_cast<int>(bits >> FractionBits);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << FractionBits) - 1);
    if (biased == 0) return {fraction, -1074};
    return {fraction | (std::uint64_t{1} << FractionBits), biased - 1075};
}

// --- The exact decision ----------------------------------------------------

// An unsigned integer wide enough for a significand times 2^971 or 10^335,
// times six digits.
class Wide {
public:
    explicit Wide(std::uint64_t value)
        : limbs_{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32U)},
          used_(limbs_[1] != 0 ? 2 : 1) {}

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < used_; ++i) {
            carry += std::uint64_t{limbs_[i]} * factor;
            limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32U;
        }
        if (carry != 0) limbs_[used_++] = static_cast<std::uint32_t>(carry);
    }

    void multiplyByPowerOfTen(int count) {
        for (; count >= 9; count -= 9) multiply(1'000'000'000U);
        for (; count > 0; --count) multiply(10U);
    }

    void multiplyByPowerOfTwo(int count) {
        for (; count >= 31; count -= 31) multiply(std::uint32_t{1} << 31U);
        if (count > 0) multiply(std::uint32_t{1} << static_cast<unsigned>(count));
    }

    // Takes away other, which is no larger.
    void subtract(const Wide& other) {
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < used_; ++i) {
            const std::uint64_t taken = (i < other.used_ ? other.limbs_[i] : 0) + borrow;
            borrow = limbs_[i] < taken ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - taken);
        }
        while (used_ > 1 && limbs_[used_ - 1] == 0) --used_;
    }

    friend int compare(const Wide& a, const Wide& b) {
        if (a.used_ != b.used_) return a.used_ < b.used_ ? -1 : 1;
        for (std::size_t i = a.used_; i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        }
        return 0;
    }

private:
    std::array<std::uint32_t, 42> limbs_;
    std::size_t used_;
};

// The value × 10^power rounded to the nearest integer, a tie to the even
// one; guess is that product's floor or close to it.
std::uint64_t exactlyRounded(const Binary& value, int power, std::uint64_t guess) {
    // value × 10^power = numerator / denominator, both integers.
    Wide numerator(value.significand);
    Wide denominator(1);
    (value.exponent >= 0 ? numerator : denominator).multiplyByPowerOfTwo(std::abs(value.exponent));
    (power >= 0 ? numerator : denominator).multiplyByPowerOfTen(std::abs(power));

    std::uint64_t quotient = guess;
    Wide below = denominator;  // quotient × denominator
    below.multiply(static_cast<std::uint32_t>(quotient));
    while (compare(below, numerator) > 0) {
        below.subtract(denominator);
        --quotient;
    }
    Wide remainder = numerator;
    remainder.subtract(below);
    while (compare(remainder, denominator) >= 0) {
        remainder.subtract(denominator);
        ++quotient;
    }
    remainder.multiply(2);
    const int half = compare(remainder, denominator);
    return quotient + ((half > 0 || (half == 0 && quotient % 2 == 1)) ? 1 : 0);
}

// --- The fast product --------------------------------------------------------

// 10^k as the nearest double or close to it, for k from LowestPower to
// HighestPower, every power of ten that is a normal double: built by the
// compiler, one rounded multiplication or division by 10 after another, so
// that entry k is within |k| × 2^-53 of 10^k, relatively.
constexpr int LowestPower = -307;
constexpr int HighestPower = 308;

constexpr std::array<double, HighestPower - LowestPower + 1> Powers = [] {
    std::array<double, HighestPower - LowestPower + 1> powers{};
    const auto at = [&powers](int k) -> double& { return powers.at(static_cast<std::size_t>(k - LowestPower)); };
    at(0) = 1.0;
    for (int k = 1; k <= HighestPower; ++k) at(k) = at(k - 1) * 10.0;
    for (int k = -1; k >= LowestPower; --k) at(k) = at(k + 1) / 10.0;
    return powers;
}();

double powerOfTen(int k) { return Powers[static_cast<std::size_t>(k - LowestPower)]; }

// 10^22, exact in a double: the first step for the powers beyond the table.
constexpr double Step = 1e22;
constexpr int StepPower = 22;

// The product's error stays below 1e7 × 330 × 2^-53 (4e-7); within this of
// a half, the exact decision is taken.
constexpr double Margin = 1.0 / (1U << 19U);

// The value × 10^power, rounded to the nearest integer, a tie to the even
// one; power is such that the result is below 10^7.
std::uint64_t roundedDigits(double value, int power) {
    // 10^power overflows beyond 10^308: the smallest values take two steps.
    const double product =
        power <= HighestPower ? value * powerOfTen(power) : value * Step * powerOfTen(power - StepPower);
    // Its floor: the product is positive and far below 2^63.
    const auto whole = static_cast<std::int64_t>(product);
    const double fraction = product - static_cast<double>(whole);
    if (std::abs(fraction - 0.5) > Margin) return static_cast<std::uint64_t>(whole + (fraction > 0.5 ? 1 : 0));
    return exactlyRounded(binaryOf(value), power, static_cast<std::uint64_t>(whole));
}

// --- The text ------------------------------------------------------------------

// Six digits and the decimal exponent of the first: d.ddddd × 10^exponent.
struct Decimal {
    std::uint32_t digits;
    int exponent;
};

// floor(log10(2^e)) for a double's binary exponents, in integer arithmetic:
// 78913 / 2^18 is log10(2) to 6e-7, which no e of a double magnifies into an
// integer's worth.
constexpr int floorLog10OfPowerOfTwo(int e) { return (e * 78913) >> 18; }

Decimal decimalOf(double value) {
    const std::uint64_t bits = bitsOf(value);
    const auto biased = static_cast<int>(bits >> 52U);
    // The binary exponent of the first bit, subnormals included.
    const int binaryExponent = biased != 0 ? biased - 1023 : static_cast<int>(std::bit_width(bits)) - 1075;
    // The first digit's power, from the binary exponent and one comparison
    // (none among the subnormals, where it stays at or below the true one).
    // Any error is within the table's, which moves no value by half a unit
    // of its sixth digit; a product of 10^6 moves it to the next decade.
    int exponent = floorLog10OfPowerOfTwo(binaryExponent);
    if (exponent >= LowestPower && value >= powerOfTen(exponent + 1)) ++exponent;
    for (;;) {
        const std::uint64_t digits = roundedDigits(value, Digits - 1 - exponent);
        if (digits >= SignificandLimit) {
            ++exponent;
        } else if (digits < LowestSignificand) {
            --exponent;
        } else {
            return {static_cast<std::uint32_t>(digits), exponent};
        }
    }
}

// "00" to "99", for writing two digits at a time.
constexpr std::array<char, 200> DigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs.at(2 * i) = static_cast<char>('0' + i / 10);
        pairs.at(2 * i + 1) = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The last 2 × pairs digits of value, with leading zeros.
char* writeDigits(char* out, std::uint32_t value, std::size_t pairs) {
    for (std::size_t i = pairs; i-- > 0;) {
        const std::size_t pair = 2 * std::size_t{value % 100};
        value /= 100;
        out[2 * i] = DigitPairs[pair];
        out[2 * i + 1] = DigitPairs[pair + 1];
    }
    return out + 2 * pairs;
}

// As "%.6g": fixed notation for exponents from -4 to 5, else d.ddddde+XXX
// (three exponent digits, as the program's format has them); no trailing
// zeros after the point, nor a point without digits after it.
char* writeDecimal(char* out, Decimal decimal) {
    const int e = decimal.exponent;
    const bool scientific = e < -4 || e >= Digits;
    const int beforePoint = scientific ? 1 : e + 1;
    if (beforePoint <= 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -beforePoint, '0');
        out = writeDigits(out, decimal.digits, Digits / 2);
        while (out[-1] == '0') --out;
        return out;
    }
    // The digits one place on, then those before the point moved back in
    // front of it.
    writeDigits(out + 1, decimal.digits, Digits / 2);
    std::copy_n(out + 1, beforePoint, out);
    out[beforePoint] = '.';
    out += Digits + 1;
    while (out[-1] == '0') --out;
    if (out[-1] == '.') --out;
    if (!scientific) return out;
    *out++ = 'e';
    *out++ = e < 0 ? '-' : '+';
    const auto magnitude = static_cast<std::uint32_t>(e < 0 ? -e : e);
    *out++ = static_cast<char>('0' + magnitude / 100);
    return writeDigits(out, magnitude % 100, 1);
}

}  // namespace

std::string formatReal(double value) {
    // Written in place, within the string's own room for short texts (15
    // bytes): the longest, "-1.23457e+308", takes 13.
    std::string text(15, '\0');
    char* const begin = text.data();
    char* out = begin;
    if (std::signbit(value)) *out++ = '-';
    const double magnitude = std::abs(value);
    if (std::isnan(value)) {
        out = std::copy_n("nan", 3, out);
    } else if (std::isinf(value)) {
        out = std::copy_n("inf", 3, out);
    } else if (magnitude == 0.0) {
        *out++ = '0';
    } else {
        out = writeDecimal(out, decimalOf(magnitude));
    }
    text.resize(static_cast<std::size_t>(out - begin));
    return text;
}

std::string formatInteger(std::int64_t value) {
    std::array<char, 24> text{};
    const std::to_chars_result result = std::to_chars(text.data(), text.data() + text.size(), value);
    return {text.data(), result.ptr};
}

// The web build's library has no std::to_chars for doubles; the program
// never sets the C locale, so printf writes a point.
std::string formatPrecise(double value) {
    std::array<char, 32> text{};
    const int length = std::snprintf(text.data(), text.size(), "%.17g", value);
    return {text.data(), static_cast<std::size_t>(std::max(length, 0))};
}

}  // namespace tessarivand::numbers
