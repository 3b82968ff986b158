#include "tessarivand/console/number_format.hpp"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace tessarivand::console {

namespace {

// glibc writes at least two exponent digits ("e+06"); the program's format
// always has three ("e+006"). Widen in place by inserting zeros.
void widenExponent(char* text, int& length) {
    char* const e = std::strchr(text, 'e');
    if (e == nullptr) {
        return;
    }
    char* const digits = e + 2;  // past 'e' and its sign
    const int digitCount = static_cast<int>(text + length - digits);
    const int missing = 3 - digitCount;
    if (missing <= 0) {
        return;
    }
    std::memmove(digits + missing, digits, static_cast<std::size_t>(digitCount) + 1);
    std::memset(digits, '0', static_cast<std::size_t>(missing));
    length += missing;
}

}  // namespace

std::string formatReal(double value) {
    // The program never calls setlocale, so the C library stays in the "C"
    // locale and the decimal separator is always a point.
    char text[40];
    int length = std::snprintf(text, sizeof text, "%.6g", value);
    widenExponent(text, length);
    return std::string(text, static_cast<std::size_t>(length));
}

std::string formatInteger(std::int64_t value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

}  // namespace tessarivand::console
