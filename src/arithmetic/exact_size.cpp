// The size budget of exact divisions, from sizes alone: no clock, so that
// every platform takes the same decision. Degree 999 with µ = 123/457 and
// integer coefficients writes 2.8 MB, 8.2 MB with its table, in a tenth of
// a second; a µ of 30 digits over 30 writes 30 MB in five seconds. The
// budget lets the first through, table and all, and stops the second: at
// most 16 MB of text and about a second of work natively.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tessarivand/arithmetic/exact_division.hpp"

namespace tessarivand {

namespace {

using boost::multiprecision::cpp_int;

constexpr double TextBudget = 16e6;  // characters
// Work in squared bits, summed over the numbers written: writing a number of
// b bits in decimal costs about b², and writing is most of the work with
// Boost 1.81, whose sums and products grow only linearly. 2e12 was about a
// second here.
constexpr double WorkBudget = 2e12;
constexpr double DigitsPerBit = 0.30103;
// Around each number of the identity or of the table: its term's or its
// cell's other characters, generously.
constexpr double CharactersAroundNumber = 24.0;

// log2 of |value|, from its top 53 bits: exact enough to size; 0 for 0.
double bitsOf(const cpp_int& value) {
    if (value.is_zero()) return 0.0;
    const auto top = static_cast<std::int64_t>(boost::multiprecision::msb(abs(value)));
    const std::int64_t shift = std::max<std::int64_t>(top - 52, 0);
    return static_cast<double>(shift) + std::log2(abs(value >> shift).convert_to<double>());
}

// Beyond this size, the common denominator alone makes every number of the
// division too long for the budget: it is not computed further.
double denominatorCeiling(std::uint32_t degree) {
    return 2.0 * TextBudget / DigitsPerBit / (static_cast<double>(degree) + 1.0);
}

}  // namespace

ExactDivisionSizes exactDivisionSizes(const ExactPolynomial& p, const Rational& mu) {
    ExactDivisionSizes sizes;
    sizes.degree = std::min(p.degree, MaxTerms - 1);
    sizes.muNumerator = bitsOf(boost::multiprecision::numerator(mu));
    sizes.muDenominator = bitsOf(boost::multiprecision::denominator(mu));
    cpp_int common = 1;
    for (std::uint32_t k = 0; k <= sizes.degree; ++k) {
        const cpp_int& denominator = boost::multiprecision::denominator(p.coefficients[k]);
        sizes.coefficients += bitsOf(boost::multiprecision::numerator(p.coefficients[k])) + bitsOf(denominator);
        if (bitsOf(common) <= denominatorCeiling(sizes.degree))
            common = boost::multiprecision::lcm(common, denominator);
    }
    sizes.commonDenominator = bitsOf(common);
    for (std::uint32_t k = 0; k <= sizes.degree; ++k) {
        const Rational& a = p.coefficients[k];
        // a's numerator over the common denominator.
        const double numerator = bitsOf(boost::multiprecision::numerator(a)) + sizes.commonDenominator -
                                 bitsOf(boost::multiprecision::denominator(a));
        sizes.largestNumerator = std::max(sizes.largestNumerator, numerator);
    }
    return sizes;
}

ExactDivisionFit exactDivisionFit(const ExactDivisionSizes& sizes, bool withTable) {
    const double n = sizes.degree;
    // Brought to one denominator, the sum after j steps is
    // Σ a[n-i]·u^(j-i)·v^i / (D·v^j) for µ = u/v and the coefficients'
    // common denominator D: its numerator grows by the larger of |u| and v
    // at each step, and by the count of its terms; its denominator by v.
    const double growth = std::max(sizes.muNumerator, sizes.muDenominator) + sizes.muDenominator;
    const double first = sizes.largestNumerator + sizes.commonDenominator + std::log2(n + 1.0);
    const double last = first + n * growth;
    // The n + 1 sums (the quotient and the remainder), rising about linearly
    // from first to last; the products beside them are as long.
    const double sumOfSizes = (n + 1.0) * (first + last) / 2.0;
    const double sumOfSquares = (n + 1.0) * (first * first + first * last + last * last) / 3.0;
    const double rowText = sumOfSizes * DigitsPerBit + (n + 1.0) * CharactersAroundNumber;

    // The identity writes the sums; the table, the coefficients, the
    // products and the sums again.
    const double divisionText = rowText;
    const double tableText = 2.0 * rowText + sizes.coefficients * DigitsPerBit + (n + 1.0) * CharactersAroundNumber;
    if (divisionText > TextBudget || sumOfSquares > WorkBudget) return ExactDivisionFit::none;
    if (withTable && (divisionText + tableText > TextBudget || 3.0 * sumOfSquares > WorkBudget)) {
        return ExactDivisionFit::withoutTable;
    }
    return ExactDivisionFit::whole;
}

bool exactDivisionFits(const ExactPolynomial& p, const Rational& mu, bool withTable) {
    return exactDivisionFit(exactDivisionSizes(p, mu), withTable) == ExactDivisionFit::whole;
}

}  // namespace tessarivand
