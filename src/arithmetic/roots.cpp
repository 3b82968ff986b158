// The search for rational roots and the isolation of real roots, on exact
// integer coefficients (Boost.Multiprecision's cpp_int).
//
// Rational roots: the rational root theorem (a root p/q in lowest terms of
// an integer polynomial has p | a0 and q | an), with |a0| and |an| factored
// by bounded trial division. Each candidate is first evaluated modulo three
// primes near 2^31, then divided exactly: p/q is a root exactly when
// A = (qX - p) B with B integer (Gauss's lemma), which the synthetic
// division checks step by step. Where factoring would not finish, the real
// roots are isolated instead, and each interval, narrowed below 1/an, holds
// at most one fraction k/an: the only rational root it may contain.
//
// Real roots: Descartes' rule of signs with bisection (the Vincent-Collins-
// Akritas method as Collins and Akritas gave it, 1976) on the square-free
// part (A over gcd(A, A'), by the primitive remainder sequence), then
// bisection with exact signs until both ends round to the same six digits.
#include "tessarivand/arithmetic/roots.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "tessarivand/numbers/number_format.hpp"
#include "tessarivand/polynomial/natural_terms.hpp"

namespace tessarivand {

namespace {

using boost::multiprecision::abs;
using boost::multiprecision::denominator;
using boost::multiprecision::gcd;
using boost::multiprecision::msb;
using boost::multiprecision::numerator;
using IntegerPolynomial = std::vector<Integer>;

constexpr double CandidateLimit = 2e6;  // candidate values tested one by one at most
constexpr double BitsPerWord = 64.0;

double bitsOf(const Integer& value) { return value.is_zero() ? 1.0 : static_cast<double>(msb(abs(value))) + 1.0; }

double wordsOf(const Integer& value) { return std::ceil(bitsOf(value) / BitsPerWord); }

double largestWords(const IntegerPolynomial& a) {
    double words = 1.0;
    for (const Integer& c : a) words = std::max(words, wordsOf(c));
    return words;
}

std::uint32_t degreeOf(const IntegerPolynomial& a) { return a.empty() ? 0 : static_cast<std::uint32_t>(a.size() - 1); }

void trim(IntegerPolynomial& a) {
    while (a.size() > 1 && a.back().is_zero()) a.pop_back();
}

// gcd(x, y) by one division first: Boost's gcd of a huge and a small number
// would go through all the huge one's bits.
Integer reducedGcd(const Integer& x, const Integer& y) {
    if (x.is_zero()) return abs(y);
    return gcd(x, Integer(y % x));
}

// Divides by the common factor of the coefficients and makes the leading one
// positive.
void makePrimitive(IntegerPolynomial& a) {
    // From the smallest non-zero coefficient, so that each step is one
    // division of a large number by a small one.
    Integer content;
    for (const Integer& c : a) {
        if (!c.is_zero() && (content.is_zero() || abs(c) < content)) content = abs(c);
    }
    for (const Integer& c : a) {
        if (content == 1) break;
        content = reducedGcd(content, c);
    }
    if (a.back().sign() < 0) content = -content;
    if (content.is_zero() || content == 1) return;
    for (Integer& c : a) c /= content;
}

IntegerPolynomial derivative(const IntegerPolynomial& a) {
    IntegerPolynomial d;
    for (std::size_t k = 1; k < a.size(); ++k) d.push_back(a[k] * static_cast<unsigned>(k));
    if (d.empty()) d.push_back(0);
    return d;
}

// --- Factoring by bounded trial division -----------------------------------------

struct PrimePower {
    Integer prime;
    unsigned exponent;
};

struct Factoring {
    std::vector<PrimePower> factors;
    bool complete = true;
};

// Each trial divides every word of n by a small number, in 128 bits: some
// five times an addition's cost.
double trialDivisionWork(const Integer& n) { return wordsOf(n) * TrialDivisionLimit / 2.0 * 5.0; }

// Numbers too large for their trial division to pay: their cofactor could
// not be proven prime anyway.
constexpr double TrialDivisionShare = 5e7;

Factoring factorBounded(Integer n) {
    Factoring result;
    const auto divideOut = [&](std::uint32_t d) {
        unsigned exponent = 0;
        while (boost::multiprecision::integer_modulus(n, d) == 0) {
            n /= d;
            ++exponent;
        }
        if (exponent > 0) result.factors.push_back({Integer(d), exponent});
    };
    std::uint32_t d = 2;
    for (; d < TrialDivisionLimit && Integer(d) * d <= n; d += (d == 2 ? 1 : 2)) divideOut(d);
    if (n > 1) {
        // Every divisor below d has gone: a cofactor below d^2 is prime.
        if (Integer(d) * d > n) {
            result.factors.push_back({n, 1});
        } else {
            result.complete = false;
        }
    }
    return result;
}

std::vector<Integer> divisorsOf(const Factoring& f) {
    std::vector<Integer> divisors{1};
    for (const PrimePower& power : f.factors) {
        const std::size_t count = divisors.size();
        Integer factor = 1;
        for (unsigned e = 1; e <= power.exponent; ++e) {
            factor *= power.prime;
            for (std::size_t i = 0; i < count; ++i) divisors.emplace_back(divisors[i] * factor);
        }
    }
    std::sort(divisors.begin(), divisors.end());
    return divisors;
}

double divisorCount(const Factoring& f) {
    double count = 1.0;
    for (const PrimePower& power : f.factors) count *= power.exponent + 1.0;
    return count;
}

// The values p/q in lowest terms: for each prime, p and q cannot both hold
// it, so its exponents in a0 (e) and an (f) give e + f + 1 choices; twice for
// the signs.
Integer candidateCount(const Factoring& constant, const Factoring& leading) {
    Integer count = 2;
    std::vector<PrimePower> all = constant.factors;
    for (const PrimePower& power : leading.factors) {
        auto same = std::find_if(all.begin(), all.end(), [&](const PrimePower& x) { return x.prime == power.prime; });
        if (same == all.end()) {
            all.push_back(power);
        } else {
            same->exponent += power.exponent;
        }
    }
    for (const PrimePower& power : all) count *= power.exponent + 1;
    return count;
}

// --- Testing a candidate ---------------------------------------------------------

// Three primes below 2^31: a candidate that is not a root is almost always
// seen to be none by these, in machine words.
constexpr std::array<std::uint64_t, 3> Moduli{2147483647U, 2147483629U, 2147483587U};

std::uint64_t residue(const Integer& value, std::uint64_t modulus) {
    const auto r = static_cast<std::uint64_t>(boost::multiprecision::integer_modulus(value, modulus));
    return value.sign() < 0 && r != 0 ? modulus - r : r;
}

struct Residues {
    std::array<std::vector<std::uint64_t>, Moduli.size()> of;
};

Residues residuesOf(const IntegerPolynomial& a) {
    Residues r;
    for (std::size_t m = 0; m < Moduli.size(); ++m) {
        for (const Integer& c : a) r.of[m].push_back(residue(c, Moduli[m]));
    }
    return r;
}

// q^n A(p/q) modulo each prime is zero when p/q is a root.
bool mayBeRoot(const Residues& a, const Integer& p, const Integer& q) {
    for (std::size_t m = 0; m < Moduli.size(); ++m) {
        const std::uint64_t modulus = Moduli[m];
        const std::uint64_t pm = residue(p, modulus);
        const std::uint64_t qm = residue(q, modulus);
        const auto& c = a.of[m];
        std::uint64_t value = c.back();
        std::uint64_t qPower = 1;
        for (std::size_t k = c.size() - 1; k-- > 0;) {
            qPower = qPower * qm % modulus;
            value = (value * pm + c[k] * qPower) % modulus;
        }
        if (value != 0) return false;
    }
    return true;
}

// A = (qX - p) B with B integer, or false: b[k-1] = (a[k] + p b[k]) / q
// must divide exactly at every step, and a0 + p b0 must vanish.
bool divideByFactor(const IntegerPolynomial& a, const Integer& p, const Integer& q, IntegerPolynomial& b) {
    const std::size_t n = a.size() - 1;
    IntegerPolynomial quotient(n);
    Integer carry = a[n];
    for (std::size_t k = n; k >= 1; --k) {
        Integer remainder;
        boost::multiprecision::divide_qr(carry, q, quotient[k - 1], remainder);
        if (!remainder.is_zero()) return false;
        carry = a[k - 1] + p * quotient[k - 1];
    }
    if (!carry.is_zero()) return false;
    b = std::move(quotient);
    return true;
}

// --- Exact signs and real root isolation ----------------------------------------

// The sign of a(u/v) for v > 0: that of sum a[k] u^k v^(n-k).
int signAt(const IntegerPolynomial& a, const Rational& x) {
    const Integer& u = numerator(x);
    const Integer& v = denominator(x);
    Integer value = a.back();
    Integer vPower = 1;
    for (std::size_t k = a.size() - 1; k-- > 0;) {
        vPower *= v;
        value = value * u + a[k] * vPower;
    }
    return value.sign();
}

IntegerPolynomial negatedVariable(IntegerPolynomial a) {
    for (std::size_t k = 1; k < a.size(); k += 2) a[k] = -a[k];
    return a;
}

// p(x + 1), in place (Taylor shift by 1).
void shiftByOne(IntegerPolynomial& a) {
    const std::size_t n = a.size() - 1;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = n - 1;; --j) {
            a[j] += a[j + 1];
            if (j == i) break;
        }
    }
}

int signVariations(const IntegerPolynomial& a) {
    int variations = 0;
    int last = 0;
    for (const Integer& c : a) {
        const int s = c.sign();
        if (s == 0) continue;
        if (last != 0 && s != last) ++variations;
        last = s;
    }
    return variations;
}

// Descartes' bound on the roots of q in (0, 1): the sign variations of
// (x + 1)^n q(1 / (x + 1)).
int variationsOnUnit(const IntegerPolynomial& q) {
    IntegerPolynomial t(q.rbegin(), q.rend());
    shiftByOne(t);
    return signVariations(t);
}

// An upper bound 2^e on the absolute values of the roots (Fujiwara's bound,
// 2 max |a[n-i]/a[n]|^(1/i), rounded up to a power of two, then doubled so
// that no root lies on it).
long rootBoundExponent(const IntegerPolynomial& a) {
    const std::size_t n = a.size() - 1;
    const double leading = bitsOf(a[n]) - 1.0;
    double largest = 0.0;
    for (std::size_t i = 1; i <= n; ++i) {
        if (a[n - i].is_zero()) continue;
        largest = std::max(largest, std::ceil((bitsOf(a[n - i]) - leading) / static_cast<double>(i)));
    }
    return static_cast<long>(largest) + 2;
}

struct Interval {
    Rational low;
    Rational high;  // equal to low for a root found exactly
};

double isolationEstimate(const IntegerPolynomial& a) {
    const auto n = static_cast<double>(degreeOf(a));
    // Some sixteen nodes in practice, each a Taylor shift of n^2 / 2
    // additions on numbers that grow by n bits a level; the count of the
    // nodes themselves stops the isolation where there are more.
    return n * n * 6.0 * (largestWords(a) + n / 16.0);
}

// The real roots of a square-free a with a(0) != 0, in isolating intervals,
// positive ones only (the negative ones are those of a(-x)).
bool isolatePositive(const IntegerPolynomial& a, RootBudget& budget, std::vector<Interval>& found) {
    const std::size_t degree = a.size() - 1;
    const long e = rootBoundExponent(a);
    // q(x) = a(2^e x): its roots in (0, 1).
    IntegerPolynomial start(a);
    for (std::size_t k = 0; k < start.size(); ++k) {
        if (e >= 0) {
            start[k] <<= static_cast<unsigned>(e) * k;
        } else {
            start[k] <<= static_cast<unsigned>(-e) * (degree - k);
        }
    }
    struct Node {
        IntegerPolynomial q;
        Integer c;
        long k;  // the node stands for (c / 2^k, (c + 1) / 2^k)
    };
    const auto scaled = [e](const Integer& c, long k) {
        Rational x(c);
        const long shift = e - k;
        if (shift >= 0) return Rational(x * (Integer(1) << static_cast<unsigned>(shift)));
        return Rational(x / (Integer(1) << static_cast<unsigned>(-shift)));
    };
    std::vector<Node> stack;
    stack.push_back({std::move(start), 0, 0});
    while (!stack.empty()) {
        Node node = std::move(stack.back());
        stack.pop_back();
        // A root found at a midpoint lowers the degree of the nodes below it.
        const std::size_t n = node.q.size() - 1;
        // n^2 / 2 additions, each cheaper than the unit.
        if (!budget.spend(static_cast<double>(n * n) * largestWords(node.q) / 3.0)) return false;
        const int v = variationsOnUnit(node.q);
        if (v == 0) continue;
        if (v == 1) {
            found.push_back({scaled(node.c, node.k), scaled(node.c + 1, node.k)});
            continue;
        }
        IntegerPolynomial left(node.q);
        for (std::size_t i = 0; i < left.size(); ++i) left[i] <<= static_cast<unsigned>(n - i);
        IntegerPolynomial right(left);
        shiftByOne(right);
        if (right[0].is_zero()) {
            const Rational middle = scaled(2 * node.c + 1, node.k + 1);
            found.push_back({middle, middle});
            right.erase(right.begin());
        }
        stack.push_back({std::move(right), 2 * node.c + 1, node.k + 1});
        stack.push_back({std::move(left), 2 * node.c, node.k + 1});
    }
    return true;
}

bool isolateRealRoots(const IntegerPolynomial& a, RootBudget& budget, std::vector<Interval>& intervals) {
    std::vector<Interval> positive;
    std::vector<Interval> negative;
    if (!isolatePositive(a, budget, positive) || !isolatePositive(negatedVariable(a), budget, negative)) return false;
    for (const Interval& interval : negative) intervals.push_back({Rational(-interval.high), Rational(-interval.low)});
    std::sort(positive.begin(), positive.end(), [](const Interval& x, const Interval& y) { return x.low < y.low; });
    std::sort(intervals.begin(), intervals.end(), [](const Interval& x, const Interval& y) { return x.low < y.low; });
    intervals.insert(intervals.end(), positive.begin(), positive.end());
    return true;
}

// One bisection step of an interval with one root and a sign change.
void bisect(const IntegerPolynomial& a, Interval& interval) {
    const Rational middle = (interval.low + interval.high) / 2;
    const int s = signAt(a, middle);
    if (s == 0) {
        interval = {middle, middle};
    } else if (s == signAt(a, interval.low)) {
        interval.low = middle;
    } else {
        interval.high = middle;
    }
}

double evaluationWork(const IntegerPolynomial& a, const Interval& interval) {
    const auto n = static_cast<double>(degreeOf(a));
    const double pointWords = (bitsOf(numerator(interval.high)) + bitsOf(denominator(interval.high))) / BitsPerWord;
    return n * (largestWords(a) + n * pointWords);
}

// --- The square-free part --------------------------------------------------------

// Euclid's algorithm modulo a prime: whether a and a' share a factor there.
// When they share none modulo a prime that does not divide the leading
// coefficient, they share none over the integers either.
bool coprimeWithDerivativeModulo(const IntegerPolynomial& a, std::uint64_t modulus) {
    const auto reduce = [modulus](const IntegerPolynomial& p) {
        std::vector<std::uint64_t> r;
        for (const Integer& c : p) r.push_back(residue(c, modulus));
        while (!r.empty() && r.back() == 0) r.pop_back();
        return r;
    };
    const auto inverse = [modulus](std::uint64_t x) {
        std::uint64_t result = 1;
        for (std::uint64_t e = modulus - 2; e > 0; e >>= 1U, x = x * x % modulus) {
            if ((e & 1U) != 0) result = result * x % modulus;
        }
        return result;
    };
    std::vector<std::uint64_t> x = reduce(a);
    std::vector<std::uint64_t> y = reduce(derivative(a));
    if (x.size() != a.size() || y.size() + 1 != a.size()) return false;  // the prime divides a leading coefficient
    while (!y.empty()) {
        const std::uint64_t scale = inverse(y.back());
        while (x.size() >= y.size()) {
            const std::uint64_t factor = x.back() * scale % modulus;
            const std::size_t shift = x.size() - y.size();
            for (std::size_t i = 0; i < y.size(); ++i) {
                x[shift + i] = (x[shift + i] + (modulus - factor) * y[i]) % modulus;
            }
            while (!x.empty() && x.back() == 0) x.pop_back();
        }
        std::swap(x, y);
    }
    return x.size() == 1;
}

// The pseudo-remainder of a by b, made primitive.
IntegerPolynomial primitiveRemainder(IntegerPolynomial a, const IntegerPolynomial& b) {
    const Integer& lead = b.back();
    while (a.size() >= b.size() && !(a.size() == 1 && a[0].is_zero())) {
        const Integer factor = a.back();
        const std::size_t shift = a.size() - b.size();
        for (Integer& c : a) c *= lead;
        for (std::size_t i = 0; i < b.size(); ++i) a[shift + i] -= factor * b[i];
        a.pop_back();
        if (a.empty()) a.push_back(0);
        trim(a);
    }
    if (!(a.size() == 1 && a[0].is_zero())) makePrimitive(a);
    return a;
}

// Exact division of integer polynomials that divide.
IntegerPolynomial exactQuotient(IntegerPolynomial a, const IntegerPolynomial& b) {
    IntegerPolynomial q(a.size() - b.size() + 1);
    for (std::size_t k = q.size(); k-- > 0;) {
        q[k] = a[k + b.size() - 1] / b.back();
        for (std::size_t i = 0; i < b.size(); ++i) a[k + i] -= q[k] * b[i];
    }
    return q;
}

bool squareFreePart(const IntegerPolynomial& a, RootBudget& budget, IntegerPolynomial& part) {
    if (coprimeWithDerivativeModulo(a, Moduli[0]) || coprimeWithDerivativeModulo(a, Moduli[1])) {
        part = a;
        return true;
    }
    const auto n = static_cast<double>(degreeOf(a));
    if (!budget.spend(n * n * n * (largestWords(a) + n))) return false;
    IntegerPolynomial x = a;
    IntegerPolynomial y = derivative(a);
    makePrimitive(y);
    while (!(y.size() == 1 && y[0].is_zero())) {
        IntegerPolynomial r = primitiveRemainder(x, y);
        x = std::move(y);
        y = std::move(r);
    }
    makePrimitive(x);
    part = exactQuotient(a, x);
    makePrimitive(part);
    return true;
}

// --- Rounding to significant digits ------------------------------------------------

// The screen's six digits, and the page's seventeen, which its graph reads
// as a double.
constexpr long ScreenDigits = 6;
constexpr long GraphDigits = 17;

struct Rounded {
    Integer digits;  // count digits, the first non-zero
    long exponent;   // of the first digit
    bool operator==(const Rounded&) const = default;
};

Integer powerOfTen(long e) {
    Integer p = 1;
    for (long i = 0; i < e; ++i) p *= 10;
    return p;
}

Rational scaledByTen(const Rational& x, long e) {
    if (e >= 0) return x * Rational(powerOfTen(e));
    return x / Rational(powerOfTen(-e));
}

// x > 0 to count significant digits, to nearest, ties to even, as printf's
// %.6g rounds.
Rounded roundedTo(const Rational& x, long count) {
    auto e = static_cast<long>(std::floor((bitsOf(numerator(x)) - bitsOf(denominator(x))) * 0.30102999566398120));
    while (scaledByTen(x, -e) >= 10) ++e;
    while (scaledByTen(x, -e) < 1) --e;
    const Rational scaled = scaledByTen(x, count - 1 - e);
    Integer digits = numerator(scaled) / denominator(scaled);
    const Rational fraction = scaled - Rational(digits);
    if (fraction > Rational(1, 2) || (fraction == Rational(1, 2) && (digits & 1) != 0)) ++digits;
    if (digits == powerOfTen(count)) {
        digits /= 10;
        ++e;
    }
    return {digits, e};
}

// d.ddd...e+XX, from the digits and the exponent; at least `exponentDigits`
// digits of exponent.
std::string scientific(bool negative, const Rounded& x, std::size_t exponentDigits) {
    std::string digits = x.digits.str();
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string text = negative ? "-" : "";
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    const std::string exponent = std::to_string(std::abs(x.exponent));
    text += x.exponent < 0 ? "e-" : "e+";
    text += std::string(exponent.size() < exponentDigits ? exponentDigits - exponent.size() : 0, '0') + exponent;
    return text;
}

// In formatReal's notation. Where a double holds the value, formatReal
// writes the nearest double, which rounds back to the same six digits.
std::string realText(bool negative, const Rounded& x) {
    constexpr long DoubleRange = 290;
    if (std::abs(x.exponent) > DoubleRange) return scientific(negative, x, 3);
    const double value = x.digits.convert_to<double>() * std::pow(10.0, static_cast<double>(x.exponent - 5));
    return numbers::formatReal(negative ? -value : value);
}

// Narrows an isolating interval of a's root until both ends round alike, to
// six digits and to seventeen; the signs are those of x > 0 or, negative, of
// -x.
bool roundRoot(const IntegerPolynomial& a, Interval interval, RootBudget& budget, RealRoots& roots) {
    const bool negative = interval.high.sign() <= 0 && interval.low.sign() < 0;
    const auto rounded = [negative](const Rational& x, long count) {
        return roundedTo(negative ? Rational(-x) : x, count);
    };
    const auto decided = [&](long count) { return rounded(interval.low, count) == rounded(interval.high, count); };
    while (interval.low != interval.high &&
           (interval.low.sign() * interval.high.sign() <= 0 || !decided(ScreenDigits) || !decided(GraphDigits))) {
        if (!budget.spend(evaluationWork(a, interval))) return false;
        bisect(a, interval);
    }
    roots.texts.push_back(realText(negative, rounded(interval.low, ScreenDigits)));
    roots.graphTexts.push_back(scientific(negative, rounded(interval.low, GraphDigits), 2));
    return true;
}

// --- The search ------------------------------------------------------------------

struct SearchState {
    IntegerPolynomial a;  // the current quotient, times an integer
    RootSearch& search;
    RootBudget& budget;
    Residues residues = residuesOf(a);
};

// Divides the current quotient by p/q as many times as p/q is a root.
void takeRoot(SearchState& s, const Integer& p, const Integer& q) {
    IntegerPolynomial quotient;
    while (s.a.size() > 1) {
        if (!s.budget.spend(static_cast<double>(s.a.size()) * (largestWords(s.a) + 1.0))) {
            s.search.stoppedStep = "la division par " + binomialText(Rational(p, q));
            return;
        }
        if (!divideByFactor(s.a, p, q, quotient)) return;
        s.a = std::move(quotient);
        s.residues = residuesOf(s.a);
        s.search.divisions.emplace_back(p, q);
    }
}

void searchByDivisors(SearchState& s, const Factoring& constant, const Factoring& leading) {
    const std::vector<Integer> ps = divisorsOf(constant);
    const std::vector<Integer> qs = divisorsOf(leading);
    std::vector<Rational> positive;
    for (const Integer& q : qs) {
        for (const Integer& p : ps) {
            if (gcd(p, q) == 1) positive.emplace_back(p, q);
        }
    }
    std::sort(positive.begin(), positive.end());
    if (s.search.candidateCount <= MaxListed) s.search.positiveCandidates = positive;
    for (const Rational& candidate : positive) {
        for (const int sign : {1, -1}) {
            if (s.a.size() <= 1 || !s.search.stoppedStep.empty()) return;
            const Integer p = numerator(candidate) * sign;
            const Integer& q = denominator(candidate);
            // A root of the current quotient still has p | a0 and q | an.
            if (Integer(s.a.front() % p) != 0 || Integer(s.a.back() % q) != 0) continue;
            if (!s.budget.spend(static_cast<double>(s.a.size()) * 6.0)) {
                s.search.stoppedStep = "l'essai des candidats";
                return;
            }
            if (mayBeRoot(s.residues, p, q)) takeRoot(s, p, q);
        }
    }
}

// Each isolated real root of the square-free part lies, narrowed below
// 1/lc, beside at most one fraction k/lc, where lc is the part's leading
// coefficient, which every rational root's denominator divides.
void searchByIsolation(SearchState& s) {
    IntegerPolynomial part;
    std::vector<Interval> intervals;
    if (!s.budget.spend(isolationEstimate(s.a)) || !squareFreePart(s.a, s.budget, part) ||
        !isolateRealRoots(part, s.budget, intervals)) {
        s.search.stoppedStep = "l'isolement des racines réelles";
        return;
    }
    const Integer lc = part.back();
    std::vector<Rational> found;
    for (Interval& interval : intervals) {
        while (interval.low != interval.high && (interval.high - interval.low) * lc >= 1) {
            if (!s.budget.spend(evaluationWork(part, interval))) {
                s.search.stoppedStep = "l'isolement des racines réelles";
                return;
            }
            bisect(part, interval);
        }
        if (interval.low == interval.high) {
            found.push_back(interval.low);
            continue;
        }
        // The one multiple of 1/lc strictly inside, if any.
        const Rational scaled = interval.low * lc;
        Integer k = numerator(scaled) / denominator(scaled) + (scaled.sign() >= 0 ? 1 : 0);
        if (scaled.sign() < 0 && Rational(k) == scaled) ++k;
        const Rational candidate(k, lc);
        if (candidate > interval.low && candidate < interval.high && signAt(part, candidate) == 0) {
            found.push_back(candidate);
        }
    }
    for (const Rational& root : found) {
        if (!s.search.stoppedStep.empty()) return;
        takeRoot(s, numerator(root), denominator(root));
    }
}

// P times the common denominator, over the common factor, leading
// coefficient positive, without its factor X^m; false when that alone would
// go past the budget (as the exact division's size, the common denominator
// is bounded by the product of the distinct denominators).
bool integerForm(const std::vector<Rational>& coefficients, RootSearch& search, RootBudget& budget) {
    while (coefficients[search.zeroMultiplicity].is_zero()) ++search.zeroMultiplicity;
    std::vector<Integer> denominators;
    double numeratorWords = 1.0;
    for (const Rational& c : coefficients) {
        denominators.push_back(denominator(c));
        numeratorWords = std::max(numeratorWords, wordsOf(numerator(c)));
    }
    std::sort(denominators.begin(), denominators.end());
    denominators.erase(std::unique(denominators.begin(), denominators.end()), denominators.end());
    double commonWords = 1.0;
    for (const Integer& d : denominators) commonWords += bitsOf(d) / BitsPerWord;
    // Boost's division of a long number by a short one costs the square of
    // the long one's words: one for each coefficient.
    const auto n = static_cast<double>(coefficients.size());
    if (!budget.spend(n * commonWords * (commonWords + numeratorWords + 4.0))) return false;
    Integer common = 1;
    for (const Integer& d : denominators) common *= d / reducedGcd(d, common);
    // The common factor of the coefficients num/den (each in lowest terms)
    // times their common denominator is the gcd of the numerators.
    Integer content;
    for (const Rational& c : coefficients) content = reducedGcd(content, numerator(c));
    if (coefficients.back().sign() < 0) content = -content;
    IntegerPolynomial a;
    for (std::size_t k = search.zeroMultiplicity; k < coefficients.size(); ++k) {
        a.push_back(numerator(coefficients[k]) / content * (common / denominator(coefficients[k])));
    }
    search.scale = Rational(a.back()) / coefficients.back();
    search.integerForm = std::move(a);
    return true;
}

void finish(SearchState& s, const Rational& leading) {
    RootSearch& search = s.search;
    std::vector<Rational> sorted = search.divisions;
    std::sort(sorted.begin(), sorted.end());
    for (const Rational& root : sorted) {
        if (!search.roots.empty() && search.roots.back().value == root) {
            ++search.roots.back().multiplicity;
        } else {
            search.roots.push_back({root, 1});
        }
    }
    makePrimitive(s.a);
    search.rest = s.a;
    // P = c X^m (X - r)... F, each (X - r) monic.
    search.constant = leading / Rational(search.rest.back());
}

}  // namespace

bool RootBudget::spend(double work) {
    if (work_ + work > DefaultWork) return false;
    work_ += work;
    return true;
}

bool RootBudget::spendText(double characters) {
    if (text_ + characters > DefaultText) return false;
    text_ += characters;
    return true;
}

RootSearch searchRationalRoots(const std::vector<Rational>& coefficients, RootBudget& budget) {
    RootSearch search;
    if (!integerForm(coefficients, search, budget)) {
        search.stoppedStep = "l'écriture de P avec des coefficients entiers";
        return search;
    }
    SearchState s{search.integerForm, search, budget};
    if (s.a.size() > 1) {
        const Integer a0 = abs(s.a.front());
        const Integer an = s.a.back();
        const double trial = trialDivisionWork(a0) + trialDivisionWork(an);
        bool factored = false;
        Factoring constant;
        Factoring leading;
        if (trial <= TrialDivisionShare && budget.spend(trial)) {
            constant = factorBounded(a0);
            leading = factorBounded(an);
            factored = constant.complete && leading.complete;
        }
        if (factored) search.candidateCount = candidateCount(constant, leading);
        if (factored && search.candidateCount <= static_cast<long long>(CandidateLimit) &&
            divisorCount(constant) * divisorCount(leading) <= CandidateLimit) {
            searchByDivisors(s, constant, leading);
        } else {
            search.method = CandidateMethod::isolation;
            searchByIsolation(s);
        }
    }
    finish(s, coefficients.back());
    return search;
}

RealRoots realRoots(const std::vector<Integer>& f, RootBudget& budget) {
    RealRoots result;
    IntegerPolynomial part;
    std::vector<Interval> intervals;
    if (!budget.spend(isolationEstimate(f)) || !squareFreePart(f, budget, part) ||
        !isolateRealRoots(part, budget, intervals)) {
        result.stoppedStep = "l'isolement des racines réelles";
        return result;
    }
    for (const Interval& interval : intervals) {
        if (!roundRoot(part, interval, budget, result)) {
            result.stoppedStep = "le calcul des racines réelles à six chiffres";
            return result;
        }
    }
    return result;
}

}  // namespace tessarivand
