#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <streambuf>

#include "tessarivand/numbers/rational.hpp"

namespace tessarivand::numbers {

// Why the exact scanning refused a number.
enum class ExactRefusal : std::uint8_t {
    notANumber,         // what the real scanner refuses too: "abc", "1e"
    badDenominator,     // a "/" not followed at once by a non-zero natural number of digits
    decimalInFraction,  // a point or an exponent on either side of the "/": "1.5/2", "2/3e2"
    blankAroundBar,     // "2 /3", "2/ 3"
    tooLong,            // beyond ExactDigitLimit or ExactExponentLimit
    separatorClash,     // a comma and a point, or two commas: "1,5.2", "1,5,2"
    commaInFraction,    // "1,5/2", "2/3,5"
};
inline constexpr std::size_t ExactRefusalCount = 7;

// One exact number from the character at hand, with the real scanner's
// grammar, its value the one typed, not the nearest double ("0.2" is 1/5); or
// a fraction: an integer, "/" and a non-zero natural number, with nothing in
// between ("-7/4"). A decimal comma stands for the point ("-1,25" is -5/4). On a refusal the buffer is left at the
// first character that showed it. Memory stays bounded whatever the length of the text.
std::optional<ExactRefusal> scanExact(std::streambuf& in, Rational& value);

}  // namespace tessarivand::numbers
