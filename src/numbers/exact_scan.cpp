#include "tessarivand/numbers/exact_scan.hpp"

#include <boost/multiprecision/cpp_int.hpp>
#include <optional>
#include <string>

#include "tessarivand/numbers/limits.hpp"
#include "typed_real.hpp"

namespace tessarivand::numbers {

namespace {

using boost::multiprecision::cpp_int;

bool isBlank(int c) { return c == ' ' || c == '\t'; }

// The first character after a run of blanks on the same line.
int skipBlanks(std::streambuf& in) {
    int c = in.sgetc();
    while (isBlank(c)) c = in.snextc();
    return c;
}

bool withinLimits(const TypedReal& real) {
    return real.mantissaDigitCount() <= ExactDigitLimit && real.exponent() >= -ExactExponentLimit &&
           real.exponent() <= ExactExponentLimit;
}

bool isInteger(const TypedReal& real) { return !real.hasPoint() && !real.hasExponentMark(); }

// The value of a number within the limits, digits x 10^(point - digit count):
// a power of ten of at most some three thousand digits.
Rational exactValue(const TypedReal& real) {
    const std::string& digits = real.significantDigits();
    if (digits.empty()) return {};  // zero
    const cpp_int significand(digits);
    const std::int64_t shift = real.pointPosition() - static_cast<std::int64_t>(digits.size());
    const cpp_int scale = boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(shift < 0 ? -shift : shift));
    Rational value = shift < 0 ? Rational(significand, scale) : Rational(significand * scale);
    return real.isNegative() ? Rational(-value) : value;
}

}  // namespace

std::optional<ExactRefusal> scanExact(std::streambuf& in, Rational& value) {
    bool reachedEnd = false;
    const TypedReal numerator = scanReal(in, reachedEnd, true);
    if (numerator.hasSeparatorClash()) return ExactRefusal::separatorClash;
    if (!numerator.isComplete()) return ExactRefusal::notANumber;
    if (!withinLimits(numerator)) return ExactRefusal::tooLong;
    int c = in.sgetc();
    if (isBlank(c)) {
        // A bar after blanks is a fraction mistyped, not the end of a number.
        if (skipBlanks(in) == '/') return ExactRefusal::blankAroundBar;
    } else if (c == '/') {
        if (numerator.hasComma()) return ExactRefusal::commaInFraction;
        if (!isInteger(numerator)) return ExactRefusal::decimalInFraction;
        c = in.snextc();
        if (isBlank(c)) return ExactRefusal::blankAroundBar;
        if (decimalDigit(c) < 0) return ExactRefusal::badDenominator;
        const TypedReal denominator = scanReal(in, reachedEnd, true);
        if (denominator.hasComma() || denominator.hasSeparatorClash()) return ExactRefusal::commaInFraction;
        if (!isInteger(denominator)) return ExactRefusal::decimalInFraction;
        if (!withinLimits(denominator)) return ExactRefusal::tooLong;
        if (denominator.significantDigits().empty()) return ExactRefusal::badDenominator;
        value = exactValue(numerator) / exactValue(denominator);
        return std::nullopt;
    }
    value = exactValue(numerator);
    return std::nullopt;
}

}  // namespace tessarivand::numbers
