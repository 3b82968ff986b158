#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tessarivand/numbers/rational.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"

namespace tessarivand {

// Exact mode's search for every rational root of P, and the factored form
// P(X) = c X^m (X - r1)^m1 ... F(X), where F has no rational root.

using Integer = boost::multiprecision::cpp_int;

// The work of one search, counted in estimated operations on machine words,
// the same on every platform: a step whose estimate would take the total
// past the limit is not started.
class RootBudget {
public:
    // About a second natively (a unit is about a nanosecond), so that the
    // divisions shown and their text fit in two.
    static constexpr double DefaultWork = 1e9;
    // The same 16 MB of text as the division's.
    static constexpr double DefaultText = 16e6;

    // Counts the work and true, or false with nothing counted when it would
    // go past the limit.
    bool spend(double work);
    bool spendText(double characters);

private:
    double work_ = 0.0;
    double text_ = 0.0;
};

struct RationalRoot {
    Rational value;
    std::uint32_t multiplicity = 0;
};

// How the candidates p/q were found.
enum class CandidateMethod {
    divisors,   // p | a0 and q | an, by factoring both
    isolation,  // factoring would take too long: each isolated real root's one fraction k/an
};

struct RootSearch {
    // A = scale × P / X^zeroMultiplicity: integer coefficients with no common
    // factor and a positive leading one.
    std::vector<Integer> integerForm;
    Rational scale;
    std::uint32_t zeroMultiplicity = 0;
    CandidateMethod method = CandidateMethod::divisors;
    // With divisors: the positive candidates in increasing order (each stands
    // for two, itself and its opposite) when there are at most MaxListed
    // values, and the number of values.
    std::vector<Rational> positiveCandidates;
    Integer candidateCount;
    // The rational roots other than 0, in the order of their divisions, a
    // root of multiplicity m m times.
    std::vector<Rational> divisions;
    // The factored form: P = constant X^zeroMultiplicity (X - r)^m ... rest.
    Rational constant;
    std::vector<RationalRoot> roots;  // increasing
    std::vector<Integer> rest;        // F; {1} when every root is rational
    // The step over the budget, in words ("la recherche des candidats"); empty when the search is complete.
    std::string stoppedStep;
};

// Integers are factored by trial division up to this bound, within the
// budget: a cofactor left below its square is prime.
inline constexpr std::uint32_t TrialDivisionLimit = 65536;

// The candidates are written when there are at most this many values.
inline constexpr int MaxListed = 40;

// The search on P's coefficients (index k for X^k, the last one non-zero,
// degree 1 or more).
RootSearch searchRationalRoots(const std::vector<Rational>& coefficients, RootBudget& budget);

// "P(X) = 2 (X + 2) (X - 1/2) (X - 3)" for a complete search.
std::string factoredFormText(const RootSearch& search, const std::string& name);

// F's real roots, by isolation on exact coefficients, increasing: each
// rounded to six significant digits and written as formatReal writes reals,
// and to seventeen for the page's graph ("1.2599210498948732e+00").
// stoppedStep is set when the budget stops the isolation or a refinement.
struct RealRoots {
    std::vector<std::string> texts;
    std::vector<std::string> graphTexts;
    std::string stoppedStep;
};
RealRoots realRoots(const std::vector<Integer>& f, RootBudget& budget);

// A root (p ± q√d)/r of a quadratic factor aX^2 + bX + c: in lowest terms,
// d square-free and not 1 for a real root; complex when imaginary.
struct QuadraticRoot {
    Integer p;
    Integer q;  // signed: the root with the minus sign has q < 0
    Integer r;
    Integer d;
    bool imaginary = false;
};

struct QuadraticRoots {
    Integer discriminant;
    // Empty when writing √d square-free would need factoring too large
    // numbers.
    std::vector<QuadraticRoot> roots;
};
QuadraticRoots quadraticRoots(const std::vector<Integer>& f);

// "(1 - √3)/2", "-i", "(-1 + i√3)/2"; with unicode false, "racine(3)".
std::string rootText(const QuadraticRoot& root, bool unicode);
// The factor X - root: "(X - (1 - √3)/2)", "(X + √2)", "(X - 1 + √5)".
std::string rootBinomialText(const QuadraticRoot& root, bool unicode);

// Choice 5 of exact mode's menu: the search shown step by step, each root's
// division as every division is shown (its table too, withTable), the
// factored form, then what F leaves: its complex or real roots. When p.mu is
// a root, its division comes first. unicode: whether √ and Δ can be shown
// (console::outputShowsUnicode()); else racine(3) and Delta. Returns P's
// real roots found, increasing, for the page's graph: each rational one
// exactly ("-3/2"), each other one to seventeen digits.
std::vector<std::string> printRootSearch(const ExactPolynomial& p, bool withTable, bool unicode);

}  // namespace tessarivand
