#include "tessarivand/input/extraction.hpp"

#include <cstdlib>
#include <iostream>
#include <limits>
#include <string>

#include "tessarivand/console/streams.hpp"

namespace tessarivand::input {

namespace {

// Significant digits of a typed real that are kept; beyond them only whether
// a dropped digit was non-zero counts. A double rounds differently only
// across values of at most 768 significant digits, so the kept digits and one
// non-zero digit for the dropped ones round exactly as the whole number does.
constexpr std::size_t KeptDigits = 1024;
// An exponent beyond any double's, in either direction, with room to add the
// position of the decimal point.
constexpr std::int64_t ExponentCeiling = 1'000'000'000'000'000;

// A real number as typed, reduced to sign, significant digits and the power
// of ten of the first of them: its value is 0.digits x 10^(point + exponent).
class TypedReal {
public:
    explicit TypedReal(char sign) : sign_(sign) { digits_.reserve(KeptDigits); }

    void addMantissaDigit(int digit, bool afterPoint) {
        mantissaDigit_ = true;
        if (digits_.empty() && digit == 0) {
            if (afterPoint) --point_;  // 0.00d: each zero lowers the first digit
            return;
        }
        if (!afterPoint) ++point_;
        if (digits_.size() < KeptDigits) {
            digits_.push_back(static_cast<char>('0' + digit));
        } else if (digit != 0) {
            droppedNonZero_ = true;
        }
    }
    void markExponent() { exponentMark_ = true; }
    void setExponentNegative() { exponentNegative_ = true; }
    void addExponentDigit(int digit) {
        exponentDigit_ = true;
        exponent_ = exponent_ >= ExponentCeiling ? ExponentCeiling : exponent_ * 10 + digit;
    }

    [[nodiscard]] bool hasMantissaDigit() const { return mantissaDigit_; }
    [[nodiscard]] bool hasExponentMark() const { return exponentMark_; }
    // What strtod would take whole from the standard extraction's text.
    [[nodiscard]] bool isComplete() const { return mantissaDigit_ && (!exponentMark_ || exponentDigit_); }

    // The same number in a few hundred characters at most.
    [[nodiscard]] std::string canonicalText() const {
        std::string text;
        if (sign_ != 0) text.push_back(sign_);
        if (digits_.empty()) return text + '0';
        text += "0.";
        text += digits_;
        if (droppedNonZero_) text.push_back('1');
        text.push_back('e');
        return text + std::to_string(point_ + (exponentNegative_ ? -exponent_ : exponent_));
    }

private:
    char sign_;
    std::string digits_;
    bool mantissaDigit_ = false;
    bool droppedNonZero_ = false;
    std::int64_t point_ = 0;
    bool exponentMark_ = false;
    bool exponentNegative_ = false;
    bool exponentDigit_ = false;
    std::int64_t exponent_ = 0;
};

int decimalDigit(int c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

// The characters of a real number, by the grammar of the standard extraction
// in the classic locale: [sign] digits [. digits] [e|E [sign] digits], where
// the point may come first and the exponent mark needs a digit before it.
// Leaves in the stream the first character that cannot continue the number.
TypedReal scanReal(std::streambuf& in, bool& reachedEnd) {
    constexpr int EndOfFile = std::char_traits<char>::eof();
    int c = in.sgetc();
    char sign = 0;
    if (c == '+' || c == '-') {
        sign = static_cast<char>(c);
        c = in.snextc();
    }
    TypedReal real(sign);
    bool afterPoint = false;
    while (c != EndOfFile) {
        if (const int digit = decimalDigit(c); digit >= 0) {
            if (real.hasExponentMark()) {
                real.addExponentDigit(digit);
            } else {
                real.addMantissaDigit(digit, afterPoint);
            }
        } else if (c == '.' && !afterPoint && !real.hasExponentMark()) {
            afterPoint = true;
        } else if ((c == 'e' || c == 'E') && !real.hasExponentMark() && real.hasMantissaDigit()) {
            real.markExponent();
            c = in.snextc();
            if (c == '+' || c == '-') {
                if (c == '-') real.setExponentNegative();
            } else {
                continue;  // judge this character afresh
            }
        } else {
            break;
        }
        c = in.snextc();
    }
    reachedEnd = c == EndOfFile;
    return real;
}

// Drops the rest of the line, however long, without storing it.
void discardLine() { std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n'); }

// Skips blanks and line breaks up to the next character; ends the program
// when the input has none left. Flushes std::cout first, through the tie.
void awaitInput() {
    std::cin >> std::ws;
    if (std::cin.eof() || std::cin.bad()) {
        console::endOfInput();
    }
}

bool extract(double& value) { return static_cast<bool>(extractReal(std::cin, value)); }
bool extract(std::int32_t& value) { return static_cast<bool>(std::cin >> value); }

}  // namespace

std::istream& extractReal(std::istream& in, double& value) {
    const std::istream::sentry ready(in);  // skips blanks, flushes the tie
    if (!ready) return in;
    bool reachedEnd = false;
    const TypedReal real = scanReal(*in.rdbuf(), reachedEnd);
    std::ios_base::iostate state = reachedEnd ? std::ios_base::eofbit : std::ios_base::goodbit;
    // The standard extraction's results: 0 for no number, the largest
    // double of its sign for one too large, failing both times.
    constexpr double Largest = std::numeric_limits<double>::max();
    if (!real.isComplete()) {
        value = 0.0;
        state |= std::ios_base::failbit;
    } else if (const double converted = std::strtod(real.canonicalText().c_str(), nullptr); converted > Largest) {
        value = Largest;
        state |= std::ios_base::failbit;
    } else if (converted < -Largest) {
        value = -Largest;
        state |= std::ios_base::failbit;
    } else {
        value = converted;
    }
    in.setstate(state);
    return in;
}

template <typename Number>
void extractNumber(Number& value, std::string_view retryMessage) {
    for (;;) {
        awaitInput();
        if (extract(value)) {
            break;
        }
        std::cerr << retryMessage;
        std::cin.clear();
        discardLine();
    }
    // A number that ends the input is still taken; the end is met next time.
    std::cin.clear();
    discardLine();
}

template void extractNumber<double>(double&, std::string_view);
template void extractNumber<std::int32_t>(std::int32_t&, std::string_view);

}  // namespace tessarivand::input
