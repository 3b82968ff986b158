#include "tessarivand/polynomial/natural_terms.hpp"

#include "tessarivand/numbers/number_format.hpp"

namespace tessarivand {

void appendSignedTerm(std::string& text, const Rational& c, std::uint32_t power, bool first) {
    if (c.is_zero()) return;
    const bool negative = c.sign() < 0;
    if (first) {
        if (negative) text += '-';
    } else {
        text += negative ? " - " : " + ";
    }
    const Rational size = negative ? Rational(-c) : c;
    if (size != 1 || power == 0) {
        text += numbers::formatRational(size);
        if (power > 0) text += ' ';
    }
    if (power >= 1) text += 'X';
    if (power >= 2) {
        text += '^';
        text += numbers::formatInteger(power);
    }
}

std::string naturalTerms(const std::vector<Rational>& coefficients) {
    std::string text;
    for (auto k = coefficients.size(); k-- > 0;) {
        appendSignedTerm(text, coefficients[k], static_cast<std::uint32_t>(k), text.empty());
    }
    return text.empty() ? "0" : text;
}

std::string binomialText(const Rational& root) {
    if (root.is_zero()) return "X";
    return "(" + naturalTerms({Rational(-root), Rational(1)}) + ")";
}

}  // namespace tessarivand
