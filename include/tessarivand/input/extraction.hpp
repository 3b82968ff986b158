#pragma once

#include <cstdint>
#include <istream>
#include <string_view>

// Encoding: see tessarivand/console/streams.hpp.

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

extern template void extractNumber<double>(double&, std::string_view);
extern template void extractNumber<std::int32_t>(std::int32_t&, std::string_view);

}  // namespace tessarivand::input
