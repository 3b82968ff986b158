#include <string>

#include "tessarivand/numbers/rational.hpp"

namespace tessarivand::numbers {

// The type keeps every value in lowest terms with a positive denominator, and
// zero without a sign, so its parts are written as they are.
std::string formatRational(const Rational& value) {
    std::string text = boost::multiprecision::numerator(value).str();
    if (const auto& denominator = boost::multiprecision::denominator(value); denominator != 1) {
        text += '/';
        text += denominator.str();
    }
    return text;
}

}  // namespace tessarivand::numbers
