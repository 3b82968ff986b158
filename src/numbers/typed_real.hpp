#pragma once

#include <cstddef>
#include <cstdint>
#include <streambuf>
#include <string>

// The one scanner of typed real numbers, shared by the double reader and the
// exact one, so that both take the same characters.
namespace tessarivand::numbers {

// Significant digits of a typed real that are kept; beyond them only whether
// a dropped digit was non-zero counts. A double rounds differently only
// across values of at most 768 significant digits, so the kept digits and one
// non-zero digit for the dropped ones round exactly as the whole number does.
// ExactDigitLimit is below it, so the exact scanner sees every digit.
inline constexpr std::size_t KeptDigits = 1024;

// A real number as typed, reduced to sign, significant digits and the power
// of ten of the first of them: its value is 0.digits x 10^(point + exponent).
// Whatever the length of the text, it holds at most KeptDigits characters.
class TypedReal {
public:
    explicit TypedReal(char sign);

    void addMantissaDigit(int digit, bool afterPoint);
    void markPoint(bool comma) {
        pointMark_ = true;
        comma_ = comma;
    }
    // A second decimal separator where a comma is one of the two: "1,5.2",
    // "1.5,2", "1,5,2".
    void markSeparatorClash() { separatorClash_ = true; }
    void markExponent() { exponentMark_ = true; }
    void setExponentNegative() { exponentNegative_ = true; }
    void addExponentDigit(int digit);
    // A digit of the exponent once its mark is met, else of the mantissa.
    void addDigit(int digit, bool afterPoint) {
        if (exponentMark_) {
            addExponentDigit(digit);
        } else {
            addMantissaDigit(digit, afterPoint);
        }
    }

    [[nodiscard]] bool hasMantissaDigit() const { return mantissaDigits_ != 0; }
    [[nodiscard]] bool hasPoint() const { return pointMark_; }
    [[nodiscard]] bool hasComma() const { return comma_; }
    [[nodiscard]] bool hasSeparatorClash() const { return separatorClash_; }
    [[nodiscard]] bool hasExponentMark() const { return exponentMark_; }
    // What strtod would take whole from the standard extraction's text.
    [[nodiscard]] bool isComplete() const { return hasMantissaDigit() && (!exponentMark_ || exponentDigit_); }

    [[nodiscard]] bool isNegative() const { return sign_ == '-'; }
    // Every digit typed before the exponent, leading zeros too.
    [[nodiscard]] std::uint64_t mantissaDigitCount() const { return mantissaDigits_; }
    // The kept significant digits, without leading zeros; empty for zero.
    [[nodiscard]] const std::string& significantDigits() const { return digits_; }
    // The exponent as typed, saturated far beyond a double's range.
    [[nodiscard]] std::int64_t exponent() const { return exponentNegative_ ? -exponent_ : exponent_; }
    // The power of ten of the value's first significant digit, plus one.
    [[nodiscard]] std::int64_t pointPosition() const { return point_ + exponent(); }

    // The same number in a few hundred characters at most.
    [[nodiscard]] std::string canonicalText() const;

private:
    char sign_;
    std::string digits_;
    std::uint64_t mantissaDigits_ = 0;
    bool droppedNonZero_ = false;
    bool pointMark_ = false;
    bool comma_ = false;
    bool separatorClash_ = false;
    std::int64_t point_ = 0;
    bool exponentMark_ = false;
    bool exponentNegative_ = false;
    bool exponentDigit_ = false;
    std::int64_t exponent_ = 0;
};

// The characters of a real number, by the grammar of the standard extraction
// in the classic locale: [sign] digits [. digits] [e|E [sign] digits], where
// the point may come first and the exponent mark needs a digit before it.
// Leaves in the stream the first character that cannot continue the number;
// reachedEnd tells whether that was the end of the input. With decimalComma,
// a comma may stand for the point, as French writes it ("0,5").
TypedReal scanReal(std::streambuf& in, bool& reachedEnd, bool decimalComma = false);

int decimalDigit(int c);

}  // namespace tessarivand::numbers
