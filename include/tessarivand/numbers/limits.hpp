#pragma once

#include <cstddef>
#include <cstdint>

// The program's limits, each said once, for every layer that keeps to it.
namespace tessarivand {

// Number of coefficient slots: every degree stays below it.
inline constexpr std::uint32_t MaxTerms = 1000;

// What exact arithmetic is given at most: digits on each side of a fraction's
// bar, and the size of a decimal exponent. Beyond them its work and memory
// would have no useful bound.
inline constexpr std::uint64_t ExactDigitLimit = 1000;
inline constexpr std::int64_t ExactExponentLimit = 1000;

// The width of the screens that the program writes for, in characters.
inline constexpr std::size_t LineWidth = 80;

}  // namespace tessarivand
