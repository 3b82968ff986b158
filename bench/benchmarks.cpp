// The library's operations, each beside the bare loop that does the same
// arithmetic on plain arrays, in one binary built with the same flags. Every
// benchmark reports its ratio to that loop; see ratio_reporter.hpp.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "classroom.hpp"
#include "console/stream_buffer_swap.hpp"
#include "ratio_reporter.hpp"
#include "reference_loops.hpp"
#include "tessarivand/arithmetic/division.hpp"
#include "tessarivand/arithmetic/exact_division.hpp"
#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/arithmetic/product.hpp"
#include "tessarivand/arithmetic/roots.hpp"
#include "tessarivand/arithmetic/sum.hpp"
#include "tessarivand/numbers/number_format.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace {

using namespace tessarivand;
using tessarivand::bench::classroomPolynomial;
using tessarivand::bench::Comparison;

// Coefficients of every size and sign, with few repeats, as typed values and
// the results of computations would be.
Polynomial samplePolynomial(std::uint32_t degree, const char* name) {
    Polynomial p;
    p.name = name;
    p.degree = degree;
    for (std::uint32_t k = 0; k <= degree; ++k) {
        p.coefficients[k] = std::sin(0.7 * k + 0.3) * std::pow(10.0, static_cast<double>(k % 7) - 3.0);
    }
    return p;
}

constexpr double Mu = 0.93;

// Takes every character and keeps none.
class DiscardingBuffer final : public std::streambuf {
protected:
    int_type overflow(int_type ch) override { return traits_type::not_eof(ch); }
    std::streamsize xsputn(const char* /*text*/, std::streamsize count) override { return count; }
};

// --- Division by (X - mu) -----------------------------------------------------

void hornerReference(benchmark::State& state, std::uint32_t degree) {
    const Polynomial p = samplePolynomial(degree, "P");
    bench::Coefficients q{};
    for ([[maybe_unused]] const auto& iteration : state) {
        double r = bench::hornerLoop(p.coefficients, degree, Mu, q);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}

void quotientOnly(benchmark::State& state, std::uint32_t degree) {
    Polynomial p = samplePolynomial(degree, "P");
    for ([[maybe_unused]] const auto& iteration : state) {
        Polynomial q = quotientByBinomial(p, Mu);
        benchmark::DoNotOptimize(q);
        benchmark::ClobberMemory();
    }
}

void divisionPrintedAndDiscarded(benchmark::State& state, std::uint32_t degree) {
    Polynomial p = samplePolynomial(degree, "P");
    DiscardingBuffer sink;
    const console::StreamBufferSwap redirect(std::cout, &sink);
    for ([[maybe_unused]] const auto& iteration : state) {
        Polynomial q = divideByBinomial(p, Mu);
        benchmark::DoNotOptimize(q);
    }
}

// What --tableau adds to each division: the table computed and laid out.
void hornerTablePrintedAndDiscarded(benchmark::State& state, std::uint32_t degree) {
    const Polynomial p = samplePolynomial(degree, "P");
    DiscardingBuffer sink;
    const console::StreamBufferSwap redirect(std::cout, &sink);
    for ([[maybe_unused]] const auto& iteration : state) printHornerTable(hornerTable(p, Mu));
}

void divisionPrintedToString(benchmark::State& state, std::uint32_t degree) {
    Polynomial p = samplePolynomial(degree, "P");
    std::ostringstream text;
    const console::StreamBufferSwap redirect(std::cout, text.rdbuf());
    std::size_t length = 0;
    for ([[maybe_unused]] const auto& iteration : state) {
        text.str(std::string());
        Polynomial q = divideByBinomial(p, Mu);
        benchmark::DoNotOptimize(q);
        length = text.view().size();
    }
    state.counters["bytes"] = static_cast<double>(length);
}

// --- Exact mode -------------------------------------------------------------------

// The division by (X - 2/3) printed with its table, as --tableau does: in
// doubles, and exactly (sums of some 950 digits at degree 999).
template <typename AnyPolynomial>
void classroomDivisionWithTable(benchmark::State& state, std::uint32_t degree) {
    auto p = classroomPolynomial<AnyPolynomial>(degree);
    using Number = decltype(p.mu);
    const Number mu = Number(2) / 3;
    DiscardingBuffer sink;
    const console::StreamBufferSwap redirect(std::cout, &sink);
    for ([[maybe_unused]] const auto& iteration : state) {
        BasicHornerTable<Number> table;
        printDivision(p, quotientByBinomial(p, mu, table));
        printHornerTable(table);
    }
}

// The exact quotient and remainder alone, nothing written.
void exactQuotient(benchmark::State& state, std::uint32_t degree, const char* mu) {
    auto p = classroomPolynomial<ExactPolynomial>(degree);
    const Rational exactMu(mu);
    for ([[maybe_unused]] const auto& iteration : state) {
        ExactPolynomial q = quotientByBinomial(p, exactMu);
        benchmark::DoNotOptimize(q);
    }
}

// --- Choice 5: rational roots and factored form ---------------------------------

// P as the product of factors given by their coefficients, lowest power
// first.
ExactPolynomial productOf(const std::vector<std::vector<Rational>>& factors) {
    std::vector<Rational> p{1};
    for (const auto& f : factors) {
        std::vector<Rational> r(p.size() + f.size() - 1);
        for (std::size_t i = 0; i < p.size(); ++i) {
            for (std::size_t j = 0; j < f.size(); ++j) r[i + j] += p[i] * f[j];
        }
        p = std::move(r);
    }
    ExactPolynomial e;
    e.degree = static_cast<std::uint32_t>(p.size() - 1);
    std::copy(p.begin(), p.end(), e.coefficients.begin());
    return e;
}

// Degree 10: (X - 1)^3 (2X + 3)^2 (X + 2)^3 (X^2 + X + 1), as a class would
// meet it: three rational roots and a quadratic factor.
ExactPolynomial classroomFactorable() {
    return productOf({{-1, 1}, {-1, 1}, {-1, 1}, {3, 2}, {3, 2}, {2, 1}, {2, 1}, {2, 1}, {1, 1, 1}});
}

// Degree 100: twenty small fractions as roots, times a degree-80 factor
// with coefficients up to 100, irreducible by Eisenstein's criterion at 2
// (every coefficient but the leading one even, the constant 42 not a multiple
// of 4), so without a rational root.
ExactPolynomial twentyRootsAndAnIrreducibleFactor() {
    std::vector<std::vector<Rational>> factors;
    for (const auto& [p, q] : std::vector<std::pair<int, int>>{
             {1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {4, 3}, {5, 2}, {5, 3}}) {
        factors.push_back({Rational(-p, q), 1});
        factors.push_back({Rational(p, q), 1});
    }
    std::vector<Rational> f(81);
    for (std::uint32_t k = 1; k < 80; ++k) f[k] = 2 * (static_cast<int>((k * 7919U) % 101U) - 50);
    f[0] = 42;
    f[80] = 1;
    factors.push_back(f);
    return productOf(factors);
}

// Degree 999, each coefficient 30 digits over 30 digits.
ExactPolynomial hugeFractions() {
    ExactPolynomial p;
    p.degree = 999;
    const Integer base = Integer(1) * 1000000007 * 1000000009 * 998244353;
    for (std::uint32_t k = 0; k <= 999; ++k) p.coefficients[k] = Rational(base + k * 7919U, base - k * 104729U);
    return p;
}

// The whole of choice 5, printed with its tables and discarded.
void rootSearchPrinted(benchmark::State& state, ExactPolynomial (*make)()) {
    const ExactPolynomial p = make();
    std::ostringstream text;
    const console::StreamBufferSwap redirect(std::cout, text.rdbuf());
    for ([[maybe_unused]] const auto& iteration : state) {
        text.str(std::string());
        printRootSearch(p, true, true);
    }
    state.counters["bytes"] = static_cast<double>(text.view().size());
}

// --- Sum and products ---------------------------------------------------------

struct Operands {
    std::uint32_t low;
    std::uint32_t high;
    [[nodiscard]] std::string label() const { return std::to_string(low) + "x" + std::to_string(high); }
};

void partialProductReference(benchmark::State& state, Operands sizes) {
    const Polynomial s = samplePolynomial(sizes.low, "A");
    const Polynomial t = samplePolynomial(sizes.high, "B");
    bench::Coefficients r{};
    for ([[maybe_unused]] const auto& iteration : state) {
        bench::partialProductLoop(s.coefficients, sizes.low, t.coefficients, sizes.high, r);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}

template <Polynomial (*Operation)(Polynomial, Polynomial)>
void binaryOperation(benchmark::State& state, Operands sizes) {
    const Polynomial a = samplePolynomial(sizes.low, "A");
    const Polynomial b = samplePolynomial(sizes.high, "B");
    for ([[maybe_unused]] const auto& iteration : state) {
        Polynomial r = Operation(a, b);  // both operands copied, as every caller does
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}

// sum has a second form, for two monomials.
constexpr Polynomial (*SumOfPolynomials)(Polynomial, Polynomial) = &sum;

// --- Number format --------------------------------------------------------------

// Typed values, results of divisions, integers, huge and tiny ones, zeros of
// both signs, subnormals, infinities and NaN.
std::vector<double> numberMix() {
    std::vector<double> values;
    std::uint64_t state = 0x9E3779B97F4A7C15U;
    const auto next = [&state] {
        state = state * 6364136223846793005U + 1442695040888963407U;
        return state >> 11U;
    };
    constexpr double Unit = 1.0 / 9007199254740992.0;  // 2^-53
    for (int i = 0; i < 1024; ++i) {
        const double uniform = static_cast<double>(next()) * Unit;
        switch (i % 8) {
            case 0:
                values.push_back(std::round(uniform * 2000.0) - 1000.0);
                break;
            case 1:
                values.push_back(std::round(uniform * 2e6) / 1000.0 - 1000.0);
                break;
            case 2:
                values.push_back(uniform * 100.0 - 50.0);
                break;
            case 3:
                values.push_back(std::ldexp(uniform, static_cast<int>(next() % 200) - 100));
                break;
            case 4:
                values.push_back(-std::ldexp(uniform, static_cast<int>(next() % 2000) - 1000));
                break;
            case 5:
                values.push_back(1.0 / (1.0 + static_cast<double>(next() % 1000)));
                break;
            case 6:
                values.push_back(std::round(uniform * 1e9));
                break;
            default: {
                constexpr std::array<double, 8> Special = {0.0,
                                                           -0.0,
                                                           std::numeric_limits<double>::infinity(),
                                                           std::numeric_limits<double>::quiet_NaN(),
                                                           std::numeric_limits<double>::denorm_min(),
                                                           1e-310,
                                                           std::numeric_limits<double>::max(),
                                                           1e-5};
                values.push_back(Special.at(static_cast<std::size_t>(next() % Special.size())));
            }
        }
    }
    return values;
}

void printfReference(benchmark::State& state) {
    const std::vector<double> values = numberMix();
    for ([[maybe_unused]] const auto& iteration : state) {
        std::size_t length = bench::printfEach(values);
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

void formatRealMix(benchmark::State& state) {
    const std::vector<double> values = numberMix();
    for ([[maybe_unused]] const auto& iteration : state) {
        std::size_t length = 0;
        for (const double value : values) length += numbers::formatReal(value).size();
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

// --- Copy -------------------------------------------------------------------------

void arrayCopyReference(benchmark::State& state) {
    const Polynomial p = samplePolynomial(MaxTerms - 1, "P");
    bench::Coefficients copy{};
    for ([[maybe_unused]] const auto& iteration : state) {
        bench::copyCoefficients(p.coefficients, copy);
        benchmark::DoNotOptimize(copy);
        benchmark::ClobberMemory();
    }
}

void polynomialCopy(benchmark::State& state) {
    const Polynomial p = samplePolynomial(MaxTerms - 1, "P");
    for ([[maybe_unused]] const auto& iteration : state) {
        Polynomial copy = p;
        benchmark::DoNotOptimize(copy);
        benchmark::ClobberMemory();
    }
}

// --- Registration ---------------------------------------------------------------------

constexpr double DivisionTarget = 1.15;
constexpr double ProductTarget = 3.0;

std::map<std::string, Comparison> registerAll() {
    std::map<std::string, Comparison> comparisons;
    const auto add = [&comparisons](const std::string& name, const std::string& reference, double target, auto function,
                                    auto... arguments) {
        benchmark::RegisterBenchmark(name.c_str(), function, arguments...);
        if (!reference.empty()) comparisons[name] = Comparison{reference, target};
    };

    for (const std::uint32_t degree : {10U, 100U, 999U}) {
        const std::string size = "/" + std::to_string(degree);
        const std::string reference = "horner_loop" + size;
        add(reference, "", 0.0, hornerReference, degree);
        add("quotientByBinomial" + size, reference, degree == 999 ? DivisionTarget : 0.0, quotientOnly, degree);
        add("divideByBinomial_discarded" + size, reference, 0.0, divisionPrintedAndDiscarded, degree);
        add("divideByBinomial_to_string" + size, reference, 0.0, divisionPrintedToString, degree);
        add("hornerTable_discarded" + size, reference, 0.0, hornerTablePrintedAndDiscarded, degree);
    }
    for (const std::uint32_t degree : {100U, 999U}) {
        const std::string size = "/" + std::to_string(degree);
        const std::string reference = "classroom_division_with_table" + size;
        add(reference, "", 0.0, classroomDivisionWithTable<Polynomial>, degree);
        add("exact_division_with_table" + size, reference, 0.0, classroomDivisionWithTable<ExactPolynomial>, degree);
        add("exact_quotient_2/3" + size, "", 0.0, exactQuotient, degree, "2/3");
        add("exact_quotient_123/457" + size, "", 0.0, exactQuotient, degree, "123/457");
    }
    for (const Operands sizes : {Operands{10, 100}, Operands{99, 900}}) {
        const std::string size = "/" + sizes.label();
        const std::string reference = "partial_product_loop" + size;
        const double target = sizes.low == 99 ? ProductTarget : 0.0;
        add(reference, "", 0.0, partialProductReference, sizes);
        add("sum" + size, reference, 0.0, binaryOperation<SumOfPolynomials>, sizes);
        add("tableProduct" + size, reference, target, binaryOperation<tableProduct>, sizes);
        add("runningProduct" + size, reference, target, binaryOperation<runningProduct>, sizes);
    }
    add("rootSearch/classroom_10", "", 0.0, rootSearchPrinted, classroomFactorable);
    add("rootSearch/twenty_roots_100", "", 0.0, rootSearchPrinted, twentyRootsAndAnIrreducibleFactor);
    add("rootSearch/huge_fractions_999", "", 0.0, rootSearchPrinted, hugeFractions);
    add("snprintf_g6/mix", "", 0.0, printfReference);
    add("formatReal/mix", "snprintf_g6/mix", 0.0, formatRealMix);
    add("array_copy/1000", "", 0.0, arrayCopyReference);
    add("Polynomial_copy/1000", "array_copy/1000", 0.0, polynomialCopy);
    return comparisons;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::map<std::string, Comparison> comparisons = registerAll();
    comparisons.merge(tessarivand::bench::registeredComparisons());
    tessarivand::bench::RatioReporter reporter(std::move(comparisons));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
