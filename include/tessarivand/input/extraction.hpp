#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "tessarivand/numbers/exact_scan.hpp"
#include "tessarivand/numbers/rational.hpp"

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

using ExactRetryMessages = std::array<std::string, numbers::ExactRefusalCount>;

// The exact twin of extractReal: the same blanks skipped first, then
// numbers::scanExact. A refusal sets failbit and is returned; the characters
// after the refused part are left in the stream.
std::optional<numbers::ExactRefusal> extractExact(std::istream& in, Rational& value);

// extractNumber's loop for exact numbers: each refusal writes its own message,
// retryMessages[refusal].
void extractNumber(Rational& value, const ExactRetryMessages& retryMessages);

// One word typed on standard input, of any length, without storing it: its
// first character and whether it has more matter (a typed "é" is one
// character). The blank that ends it stays in the input. At end of input the
// program ends there.
struct TypedWord {
    int first = 0;
    bool single = true;
};
TypedWord extractWord();

extern template void extractNumber<double>(double&, std::string_view);
extern template void extractNumber<std::int32_t>(std::int32_t&, std::string_view);

}  // namespace tessarivand::input
