#pragma once

#include <cstdint>
#include <string_view>

namespace tessarivand::input {

// Reads one number from std::cin with the stream's formatted extraction:
// blank lines are skipped, the number is the longest run that can form one,
// and the rest of its line is dropped unread. When no number can be formed
// (or it does not fit the type), writes retryMessage to std::cerr, drops the
// line and reads again. At end of input the program ends there.
template <typename Number>
void extractNumber(Number& value, std::string_view retryMessage);

extern template void extractNumber<double>(double&, std::string_view);
extern template void extractNumber<std::int32_t>(std::int32_t&, std::string_view);

}  // namespace tessarivand::input
