#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "tessarivand/console/rational.hpp"

// Encoding: what these functions write reaches std::cout and std::cerr as the
// UTF-8 of their texts, everywhere, unless the program has called
// console::attachStandardStreams() first; then it goes out as tessarivand's
// own does: UTF-8 on a terminal, code page 850 into files and pipes.

namespace tessarivand::input {

// Reads one number from std::cin with the stream's formatted extraction:
// blank lines are skipped, the number is the longest run that can form one,
// and the rest of its line is dropped unread. When no number can be formed
// (or it does not fit the type), writes retryMessage to std::cerr, drops the
// line and reads again. At end of input the program ends there.
template <typename Number>
void extractNumber(Number& value, std::string_view retryMessage);

// The stream's formatted extraction of a double (operator>>): the same
// characters taken, the same value, the same error state, but at most a
// fixed number of the number's characters held at once. The standard one
// keeps them all, so that a line of millions of digits would cost as many
// bytes.
std::istream& extractReal(std::istream& in, double& value);

// What exact arithmetic is given at most: digits on each side of a fraction's
// bar, and the size of a decimal exponent. Beyond them its work and memory
// would have no useful bound.
inline constexpr std::uint64_t ExactDigitLimit = 1000;
inline constexpr std::int64_t ExactExponentLimit = 1000;

// Why the exact reading refused a number.
enum class ExactRefusal : std::uint8_t {
    notANumber,         // what extractReal refuses too: "abc", "1e"
    badDenominator,     // a "/" not followed at once by a non-zero natural number of digits
    decimalInFraction,  // a point or an exponent on either side of the "/": "1.5/2", "2/3e2"
    blankAroundBar,     // "2 /3", "2/ 3"
    tooLong,            // beyond ExactDigitLimit or ExactExponentLimit
};
inline constexpr std::size_t ExactRefusalCount = 5;
using ExactRetryMessages = std::array<std::string, ExactRefusalCount>;

// The exact twin of extractReal: the same characters make a number, with the
// same blanks skipped first, and the value is the one typed, not the nearest
// double ("0.2" is 1/5). A number may also be a fraction: an integer, "/" and
// a non-zero natural number, with nothing in between ("-7/4"). A refusal sets
// failbit and is returned; the characters after the refused part are left in
// the stream. Memory stays bounded whatever the length of the text.
std::optional<ExactRefusal> extractExact(std::istream& in, Rational& value);

// extractNumber's loop for exact numbers: each refusal writes its own message,
// retryMessages[refusal].
void extractNumber(Rational& value, const ExactRetryMessages& retryMessages);

extern template void extractNumber<double>(double&, std::string_view);
extern template void extractNumber<std::int32_t>(std::int32_t&, std::string_view);

}  // namespace tessarivand::input
