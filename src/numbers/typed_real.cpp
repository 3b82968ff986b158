#include "typed_real.hpp"

#include <string>

namespace tessarivand::numbers {

namespace {

// An exponent beyond any double's, in either direction, with room to add the
// position of the decimal point.
constexpr std::int64_t ExponentCeiling = 1'000'000'000'000'000;

bool isSeparator(int c, bool decimalComma) { return c == '.' || (decimalComma && c == ','); }

// A second decimal separator ends the number; where a comma is one of the
// two, it is a slip that the exact reader refuses.
bool clashes(const TypedReal& real, int c, bool decimalComma) {
    return real.hasPoint() && !real.hasExponentMark() && isSeparator(c, decimalComma) && (c == ',' || real.hasComma());
}

}  // namespace

TypedReal::TypedReal(char sign) : sign_(sign) { digits_.reserve(KeptDigits); }

void TypedReal::addMantissaDigit(int digit, bool afterPoint) {
    ++mantissaDigits_;
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

void TypedReal::addExponentDigit(int digit) {
    exponentDigit_ = true;
    exponent_ = exponent_ >= ExponentCeiling ? ExponentCeiling : exponent_ * 10 + digit;
}

std::string TypedReal::canonicalText() const {
    std::string text;
    if (sign_ != 0) text.push_back(sign_);
    if (digits_.empty()) return text + '0';
    text += "0.";
    text += digits_;
    if (droppedNonZero_) text.push_back('1');
    text.push_back('e');
    return text + std::to_string(pointPosition());
}

int decimalDigit(int c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

TypedReal scanReal(std::streambuf& in, bool& reachedEnd, bool decimalComma) {
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
            real.addDigit(digit, afterPoint);
        } else if (isSeparator(c, decimalComma) && !afterPoint && !real.hasExponentMark()) {
            afterPoint = true;
            real.markPoint(c == ',');
        } else if ((c == 'e' || c == 'E') && !real.hasExponentMark() && real.hasMantissaDigit()) {
            real.markExponent();
            c = in.snextc();
            if (c == '+' || c == '-') {
                if (c == '-') real.setExponentNegative();
            } else {
                continue;  // judge this character afresh
            }
        } else {
            if (clashes(real, c, decimalComma)) real.markSeparatorClash();
            break;
        }
        c = in.snextc();
    }
    reachedEnd = c == EndOfFile;
    return real;
}

}  // namespace tessarivand::numbers
