// FLINT 2.9's division of rational polynomials, fmpq_poly_divrem, by
// (X - mu), beside our exact division (quotientByBinomial) measured in the
// same run: degree 999, the classroom's integer coefficients from -9 to 9,
// the quotient and the remainder only. Each of ours reports its ratio to
// FLINT's; the aim is at least twenty times faster. Built only where FLINT is
// installed (Debian: libflint-dev); the benchmarks register themselves.
#include <flint/fmpq.h>
#include <flint/fmpq_poly.h>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

#include "classroom.hpp"
#include "ratio_reporter.hpp"
#include "tessarivand/arithmetic/exact_division.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"

namespace {

using namespace tessarivand;

constexpr std::uint32_t Degree = 999;
constexpr double Target = 1.0 / 20.0;

struct Fraction {
    slong numerator;
    ulong denominator;
};

// A FLINT polynomial that frees itself.
class FlintPolynomial {
public:
    FlintPolynomial() { fmpq_poly_init(value_); }
    ~FlintPolynomial() { fmpq_poly_clear(value_); }
    FlintPolynomial(const FlintPolynomial&) = delete;
    FlintPolynomial& operator=(const FlintPolynomial&) = delete;
    FlintPolynomial(FlintPolynomial&&) = delete;
    FlintPolynomial& operator=(FlintPolynomial&&) = delete;

    fmpq_poly_struct* get() { return value_; }

private:
    fmpq_poly_t value_;
};

void flintDivision(benchmark::State& state, Fraction mu) {
    const auto p = bench::classroomPolynomial<ExactPolynomial>(Degree);
    FlintPolynomial dividend;
    for (std::uint32_t k = 0; k <= Degree; ++k) {
        fmpq_poly_set_coeff_si(dividend.get(), k, numerator(p.coefficients[k]).convert_to<slong>());
    }
    // X - mu.
    FlintPolynomial divisor;
    fmpq_poly_set_coeff_si(divisor.get(), 1, 1);
    fmpq_t constant;
    fmpq_init(constant);
    fmpq_set_si(constant, -mu.numerator, mu.denominator);
    fmpq_poly_set_coeff_fmpq(divisor.get(), 0, constant);
    fmpq_clear(constant);

    FlintPolynomial quotient;
    FlintPolynomial remainder;
    for ([[maybe_unused]] const auto& iteration : state) {
        fmpq_poly_divrem(quotient.get(), remainder.get(), dividend.get(), divisor.get());
        benchmark::DoNotOptimize(quotient.get());
        benchmark::ClobberMemory();
    }
}

void ourDivision(benchmark::State& state, Fraction mu) {
    auto p = bench::classroomPolynomial<ExactPolynomial>(Degree);
    const Rational value(mu.numerator, mu.denominator);
    for ([[maybe_unused]] const auto& iteration : state) {
        ExactPolynomial q = quotientByBinomial(p, value);
        benchmark::DoNotOptimize(q);
    }
}

bool registerPeer() {
    for (const Fraction mu : std::to_array<Fraction>({{2, 3}, {123, 457}})) {
        const std::string label = "/" + std::to_string(mu.numerator) + "/" + std::to_string(mu.denominator);
        const std::string flint = "Flint/fmpq_poly_divrem" + label;
        const std::string ours = "Flint/quotientByBinomial" + label;
        benchmark::RegisterBenchmark(flint.c_str(), flintDivision, mu);
        benchmark::RegisterBenchmark(ours.c_str(), ourDivision, mu);
        bench::registeredComparisons()[ours] = bench::Comparison{flint, Target};
    }
    return true;
}

[[maybe_unused]] const bool Registered = registerPeer();

}  // namespace
