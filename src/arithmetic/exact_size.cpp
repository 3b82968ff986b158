// The size budget of exact divisions. Degree 999 with mu = 2/3 and integer
// coefficients (sums of some 950 digits) costs some 30 ms and writes 1.5 MB
// with its table; degree 999 with mu = 123/457, 0.4 s and 8 MB. The budget
// lets the first through and stops the second's table: at most 4 MB of
// text (a few screens' worth of scrolling already loses the reader) and
// about half a second of work natively, a few seconds in the page.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "tessarivand/arithmetic/exact_division.hpp"

namespace tessarivand {

namespace {

using boost::multiprecision::cpp_int;

constexpr double TextBudget = 4e6;  // characters
// Work in squared bits: Boost's gcd, which every sum and product of
// rationals calls, costs the square of its operands' size; 2.4e11 was one
// second here.
constexpr double WorkBudget = 1.2e11;
constexpr double DigitsPerBit = 0.30103;
// Around each number of the identity or of the table: its term's or its
// cell's other characters, generously.
constexpr double CharactersAroundNumber = 24.0;

// log2 of a positive integer, from its top 53 bits: exact enough to size.
double log2Of(const cpp_int& value) {
    if (value <= 1) return 0.0;
    const auto top = static_cast<std::int64_t>(boost::multiprecision::msb(value));
    const std::int64_t shift = std::max<std::int64_t>(top - 52, 0);
    return static_cast<double>(shift) + std::log2((value >> shift).convert_to<double>());
}

double log2OfAbs(cpp_int value) {
    if (value.sign() < 0) value.backend().negate();
    return log2Of(value);
}

}  // namespace

bool exactDivisionFits(const ExactPolynomial& p, const Rational& mu, bool withTable) {
    const double n = std::min(p.degree, MaxTerms - 1);
    // Each step multiplies by mu = u/v: the denominator grows by v, the
    // numerator by the larger of |u| and v. The coefficients' own sizes add
    // once, their denominators twice (to the numerator and the denominator)
    // since the sums bring them all to one denominator.
    const cpp_int muDenominator = boost::multiprecision::denominator(mu);
    const double growth =
        log2Of(muDenominator) + std::max(log2OfAbs(boost::multiprecision::numerator(mu)), log2Of(muDenominator));
    double largestNumerator = 0.0;
    double coefficientBits = 0.0;
    std::vector<cpp_int> denominators;
    for (std::uint32_t k = 0; k <= static_cast<std::uint32_t>(n); ++k) {
        const double numerator = log2OfAbs(boost::multiprecision::numerator(p.coefficients[k]));
        cpp_int denominator = boost::multiprecision::denominator(p.coefficients[k]);
        largestNumerator = std::max(largestNumerator, numerator);
        coefficientBits += numerator + log2Of(denominator) + 2.0;
        denominators.push_back(std::move(denominator));
    }
    // The common denominator divides the product of the distinct ones: a
    // polynomial with one decimal everywhere only ever has tenths.
    std::sort(denominators.begin(), denominators.end());
    denominators.erase(std::unique(denominators.begin(), denominators.end()), denominators.end());
    double commonDenominator = 0.0;
    for (const cpp_int& denominator : denominators) commonDenominator += log2Of(denominator);
    // The sizes of the sums, in bits, rise from `first` to `last`, about
    // linearly; so do the products'.
    const double first = largestNumerator + 2.0 * commonDenominator + std::log2(n + 1.0) + 2.0;
    const double last = first + n * growth;
    const double sumOfSizes = (n + 1.0) * (first + last) / 2.0;
    const double sumOfSquares = (n + 1.0) * (first * first + first * last + last * last) / 3.0;

    // The identity writes the quotient; the table, the coefficients, the
    // products and the sums, and runs the scheme once more.
    const double numbersWritten = withTable ? 3.0 : 1.0;
    const double text = numbersWritten * (sumOfSizes * DigitsPerBit + (n + 1.0) * CharactersAroundNumber) +
                        (withTable ? coefficientBits * DigitsPerBit : 0.0);
    const double work = (withTable ? 2.0 : 1.0) * sumOfSquares;
    return text <= TextBudget && work <= WorkBudget;
}

}  // namespace tessarivand
