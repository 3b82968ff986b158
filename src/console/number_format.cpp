#include "tessarivand/console/number_format.hpp"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace tessarivand::console {

namespace {

// Room for the longest real: "-1.23457e+308" and "-nan" are far shorter.
using RealText = std::array<char, 32>;

// std::to_chars, like printf, writes at least two exponent digits ("e+06");
// the program's format always has three ("e+006"). Widens in place by
// inserting zeros after the sign; returns the new end.
char* widenExponent(char* begin, char* end) {
    char* const e = static_cast<char*>(std::memchr(begin, 'e', static_cast<std::size_t>(end - begin)));
    if (e == nullptr) return end;
    char* const digits = e + 2;  // past 'e' and its sign
    const auto digitCount = end - digits;
    if (digitCount >= 3) return end;
    const auto missing = 3 - digitCount;
    std::memmove(digits + missing, digits, static_cast<std::size_t>(digitCount));
    std::memset(digits, '0', static_cast<std::size_t>(missing));
    return end + missing;
}

}  // namespace

std::string formatReal(double value) {
    // General notation with six significant digits gives, by definition, the
    // digits of printf's "%.6g" in the "C" locale, and inf, nan and their
    // signs as it writes them; unlike printf it never reads the locale.
    RealText text{};
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const std::to_chars_result result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 6);
    char* const end = result.ptr;
#else
    // A library without std::to_chars for doubles: printf gives the same
    // text, since the program never leaves the "C" locale.
    const int length = std::snprintf(text.data(), text.size(), "%.6g", value);
    char* const end = text.data() + length;
#endif
    return {text.data(), widenExponent(text.data(), end)};
}

std::string formatInteger(std::int64_t value) {
    std::array<char, 24> text{};
    const std::to_chars_result result = std::to_chars(text.data(), text.data() + text.size(), value);
    return {text.data(), result.ptr};
}

}  // namespace tessarivand::console
