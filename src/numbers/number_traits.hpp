#pragma once

// What differs between the two kinds of numbers, for the code written once
// over the number type (the expression, the division, Horner's table, the
// flow). Not installed.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "console/utf8.hpp"
#include "tessarivand/numbers/number_format.hpp"
#include "tessarivand/numbers/rational.hpp"

namespace tessarivand::numbers {

template <typename Number>
struct NumberTraits;

template <>
struct NumberTraits<double> {
    // Doubles are never too large to compute or to write.
    static constexpr bool HasBudget = false;
    // The longest text of a double, as -1.23457e+308: Horner's table's
    // columns always fit.
    static constexpr std::size_t LongestText = 13;
    // A term of the expression: a NaN compares unequal to 0 too, but it is
    // left out like a zero.
    static bool isWritten(double value) { return value != 0.0 && value == value; }
    // A cell of Horner's table: a zero, whatever its sign, is 0.
    static std::string cellText(double value) { return formatReal(value == 0.0 ? 0.0 : value); }
};

template <>
struct NumberTraits<Rational> {
    // Exact numbers grow at each step: a division is first sized.
    static constexpr bool HasBudget = true;
    // No bound: the table measures its cells.
    static constexpr std::size_t LongestText = 0;
    static bool isWritten(const Rational& value) { return !value.is_zero(); }
    // An exact zero has no sign.
    static std::string cellText(const Rational& value) { return formatRational(value); }
};

// Characters on screen: a UTF-8 text counts each of its code points once.
inline std::size_t widthOf(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return !console::utf8::isContinuation(static_cast<unsigned char>(byte));
    }));
}

}  // namespace tessarivand::numbers
