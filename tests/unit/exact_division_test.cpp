// Exact mode: the division of an ExactPolynomial, checked against its
// worked examples, against exact algebra, and against the real mode where
// both must write the same bytes.
#include "tessarivand/arithmetic/exact_division.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "console_capture.hpp"
#include "tessarivand/flow/program.hpp"
#include "tessarivand/numbers/rational.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"

namespace {

using tessarivand::ExactPolynomial;
using tessarivand::Rational;
using tessarivand::testing::ConsoleCapture;

// Highest power first, each coefficient as it would be typed: "2/3", "-5".
ExactPolynomial exactFromHighest(std::initializer_list<const char*> coefficients) {
    ExactPolynomial p;
    p.degree = static_cast<std::uint32_t>(coefficients.size() - 1);
    std::uint32_t k = p.degree;
    for (const char* c : coefficients) p.coefficients[k--] = Rational(c);
    return p;
}

struct ExactCase {
    ExactPolynomial p;
    const char* mu;
    const char* line;
};

void PrintTo(const ExactCase& c, std::ostream* os) { *os << c.line; }

class ExactDivisionExamples : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactDivisionExamples, PrintsTheIdentityExactly) {
    ExactPolynomial p = GetParam().p;
    const ConsoleCapture capture;
    divideByBinomial(p, Rational(GetParam().mu));
    const std::string out = capture.out();
    const auto begin = out.find(" P(X) = ") + 1;
    EXPECT_EQ(out.substr(begin, out.find("\n\n\n***", begin) - begin), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ExactDivisionExamples,
    ::testing::Values(
        ExactCase{exactFromHighest({"3", "-5", "2"}), "2/3", "P(X) = (X - 2/3).((3 X) + (-3)) + (0)"},
        ExactCase{exactFromHighest({"3", "-5", "2"}), "-3/2", "P(X) = (X + 3/2).((3 X) + (-19/2)) + (65/4)"},
        ExactCase{exactFromHighest({"1", "-3/10", "1/50"}), "1/5", "P(X) = (X - 1/5).((1 X) + (-1/10)) + (0)"},
        ExactCase{exactFromHighest({"2", "0", "-3", "1"}), "-2", "P(X) = (X + 2).((2 X^2) + (-4 X) + (5)) + (-9)"},
        ExactCase{exactFromHighest({"-7/4"}), "5", "P(X) = (X - 5).(0) + (-7/4)"}));

// P = (X - mu).Q + r, expanded back in exact arithmetic.
TEST(ExactDivision, QuotientAndRemainderGiveBackThePolynomialExactly) {
    std::mt19937 random(23);
    std::uniform_int_distribution<std::int64_t> numerator(-1'000'000, 1'000'000);
    std::uniform_int_distribution<std::int64_t> denominator(1, 100'000);
    std::uniform_int_distribution<std::uint32_t> degree(0, 40);
    const auto anyRational = [&] { return Rational(numerator(random)) / denominator(random); };
    for (int trial = 0; trial < 200; ++trial) {
        ExactPolynomial p;
        p.degree = degree(random);
        for (std::uint32_t k = 0; k <= p.degree; ++k) p.coefficients[k] = anyRational();
        if (p.degree > 0 && p.coefficients[p.degree] == 0) p.coefficients[p.degree] = 1;
        const Rational mu = anyRational();
        ExactPolynomial divided = p;
        const ExactPolynomial q = quotientByBinomial(divided, mu);
        EXPECT_EQ(divided.mu, mu);
        // (X - mu).Q + r, from the top: X^k gets q[k - 1] - mu.q[k].
        for (std::uint32_t k = 0; k <= p.degree; ++k) {
            const Rational fromX = k >= 1 ? q.coefficients[k - 1] : Rational(0);
            const Rational fromMu = k < p.degree ? mu * q.coefficients[k] : Rational(0);
            const Rational remainder = k == 0 ? divided.remainder : Rational(0);
            ASSERT_EQ(fromX - fromMu + remainder, p.coefficients[k]) << "trial " << trial << ", X^" << k;
        }
    }
}

// The table's body after its legend, whose last line both layouts share.
std::string printedTableBody(const ExactPolynomial& p, const Rational& mu) {
    const ConsoleCapture capture;
    printHornerTable(hornerTable(p, mu));
    const std::string printed = capture.out();
    const std::string legendEnd = "P(µ).\n";
    return printed.substr(printed.find(legendEnd) + legendEnd.size());
}

struct ListCase {
    const char* name;
    std::string mu;
    std::string body;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class ExactTableLayout : public ::testing::TestWithParam<ListCase> {};

TEST_P(ExactTableLayout, WritesColumnsOrEachPowerAndItsValuesOnLinesOfTheirOwn) {
    EXPECT_EQ(printedTableBody(exactFromHighest({"1", "0"}), Rational(GetParam().mu)), GetParam().body);
}

std::string tenTo(std::size_t power) { return "1" + std::string(power, '0'); }

// P = X's table as a list, each value after its label or on the next line.
std::string listOfX(const std::string& mu, bool valuesOnTheirOwnLines) {
    const std::string after = valuesOnTheirOwnLines ? ":\n" : ": ";
    return "\n µ = " + mu + "\n\n X^1\n     Coefficient : 1\n     Somme       : 1\n | X^0\n |   Coefficient : 0" +
           "\n |   Produit     " + after + mu + "\n |   Somme       " + after + mu;
}

const std::string TenTo55 = tenTo(55);
const std::string TenTo76 = tenTo(76);

INSTANTIATE_TEST_SUITE_P(
    LongNumbers, ExactTableLayout,
    ::testing::Values(
        // The remainder's column, 56 digits wide, cannot share a line with
        // the heads and X^1; every value still fits after its label.
        ListCase{"ValuesAfterTheirLabels", TenTo55, listOfX(TenTo55, false)},
        // 77 digits: each long number on a line of its own.
        ListCase{"LongValuesOnLinesOfTheirOwn", TenTo76,
                 "\n µ =\n" + TenTo76 + "\n\n X^1\n     Coefficient : 1\n     Somme       : 1\n | X^0" +
                     "\n |   Coefficient : 0\n |   Produit     :\n" + TenTo76 + "\n |   Somme       :\n" + TenTo76},
        // Columns of exactly 80 characters are not too wide.
        ListCase{"ColumnsOfEighty", tenTo(30),
                 "\n Puissances" + std::string(25, ' ') + " |   X^1   |" + std::string(29, ' ') + "X^0" +
                     "\n Coefficients" + std::string(23, ' ') + " |     1   |" + std::string(31, ' ') + "0" +
                     "\n µ = " + tenTo(30) + " |         | " + tenTo(30) + "\n Sommes" + std::string(29, ' ') +
                     " |     1   | " + tenTo(30)},
        // The remainder's gap makes 82: a list.
        ListCase{"RemainderGapCounted", tenTo(31), listOfX(tenTo(31), false)},
        // A value that ends at column 80 stays after its label.
        ListCase{"ValueEndingAtColumnEighty", tenTo(60), listOfX(tenTo(60), false)},
        // The remainder's bar and indent count in a line's width.
        ListCase{"IndentCounted", tenTo(61), listOfX(tenTo(61), true)},
        ListCase{"IndentCountedOneMore", tenTo(62), listOfX(tenTo(62), true)}),
    [](const ::testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

struct Session {
    std::string out;
    std::string err;
};

Session run(const std::string& input, bool exact, bool withTable = false) {
    const ConsoleCapture capture(input);
    tessarivand::Settings settings;
    settings.exactNumbers = exact;
    settings.showHornerTable = withTable;
    tessarivand::runProgram(settings);
    return {capture.out(), capture.err()};
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// What exact mode adds for the learner, taken out again: the line that says
// P(µ), the natural sign of (X + 3) for a negative µ and X for µ = 0, and the
// menu's fifth choice.
// (No std::regex: GCC 12 warns inside it at -O1.)
std::string withoutLearnersTexts(std::string text) {
    const std::string valueLine = "\n\n  P(";
    for (std::size_t at = text.find(valueLine); at != std::string::npos; at = text.find(valueLine, at)) {
        const char next = text[at + valueLine.size()];
        if (next == '-' || (next >= '0' && next <= '9')) {
            text.erase(at, text.find('\n', at + 2) - at);
        } else {
            ++at;
        }
    }
    text = replaceAll(text, "(X + ", "(X - -");
    text = replaceAll(text, "\"X\"", "\"(X - 0)\"");
    text = replaceAll(text, "P(X) = X.", "P(X) = (X - 0).");
    text = replaceAll(text, "\n         5. Chercher les racines rationnelles de 'P' et le factoriser\n", "");
    return replaceAll(text, "1 , 2 , 3 , 4 ou 5", "1 , 2 , 3 ou 4");
}

// Integers typed, an integer mu, every value below 10^6: six significant
// digits show them whole, so both modes must write the very same bytes, but
// for what exact mode adds for the learner.
TEST(ExactMode, WritesTheRealModesBytesWhereBothAreExact) {
    std::mt19937 random(24);
    std::uniform_int_distribution<int> coefficient(-30, 30);
    std::uniform_int_distribution<int> mu(-4, 4);
    std::uniform_int_distribution<int> degree(0, 8);
    int compared = 0;
    while (compared < 40) {
        // Highest power first, as typed.
        std::vector<int> a(static_cast<std::size_t>(degree(random)) + 1);
        for (int& c : a) c = coefficient(random);
        if (a.size() > 1 && a.front() == 0) a.front() = 1;
        const std::vector<int> mus{mu(random), mu(random)};
        std::string input = std::to_string(a.size() - 1) + "\n";
        for (const int c : a) input += std::to_string(c) + "\n";
        input += std::to_string(mus[0]) + "\n3\n" + std::to_string(mus[1]) + "\n4\nq";
        // Skip a case whose values (Horner's sums) leave the range.
        bool small = true;
        for (const int m : mus) {
            std::int64_t sum = 0;
            for (const int c : a) {
                sum = sum * m + c;
                small = small && sum < 1'000'000 && sum > -1'000'000;
            }
        }
        if (!small) continue;
        const Session real = run(input, false);
        const Session exact = run(input, true);
        ASSERT_EQ(withoutLearnersTexts(exact.out), real.out) << input;
        ASSERT_EQ(exact.err, real.err) << input;
        ++compared;
    }
}

// The budget's decisions, from sizes alone, at its edges. The sizes written
// with no budget, degree 999, the division alone and with its table: µ =
// 123/457 2.8 and 8.2 MB; 1/10^4 12.2 MB with the table; 1/10^5 5.2 and 15.2
// MB; 1/10^6 6.2 and 18.2 MB; a µ of 30 digits over 30, 30 MB and seconds.
using tessarivand::ExactDivisionFit;

// Coefficients from -9 to 9 with 9 leading; or each one the same text.
ExactPolynomial classExercise(std::uint32_t degree, const std::string& each) {
    ExactPolynomial p;
    p.degree = degree;
    for (std::uint32_t k = 0; k <= degree; ++k) {
        p.coefficients[k] = each.empty() ? Rational(static_cast<int>(k % 19) - 9) : Rational(each);
    }
    if (each.empty()) p.coefficients[degree] = 9;
    return p;
}

// Σ X^k/k! (the exponential's series) or Σ (-1)^(k+1) X^k/k (ln(1 + X)'s).
ExactPolynomial series(std::uint32_t degree, bool exponential) {
    ExactPolynomial p;
    p.degree = degree;
    Rational factorial = 1;
    for (std::uint32_t k = 0; k <= degree; ++k) {
        if (k > 0) factorial *= k;
        if (exponential) {
            p.coefficients[k] = 1 / factorial;
        } else if (k > 0) {
            p.coefficients[k] = Rational(k % 2 == 1 ? 1 : -1, k);
        }
    }
    return p;
}

struct BudgetCase {
    const char* name;
    ExactPolynomial p;
    std::string mu;
    bool withTable;
    ExactDivisionFit fit;
    // Run through the dialogue too (--exact --tableau), and judged by what it
    // writes.
    bool inDialogue = false;
};

void PrintTo(const BudgetCase& c, std::ostream* os) { *os << c.name; }

class ExactDivisionBudget : public ::testing::TestWithParam<BudgetCase> {};

std::string typedSession(const ExactPolynomial& p, const std::string& mu) {
    std::string input = std::to_string(p.degree) + "\n";
    for (std::uint32_t k = p.degree + 1; k-- > 0;)
        input += tessarivand::numbers::formatRational(p.coefficients[k]) + "\n";
    return input + mu + "\n4\nq";
}

TEST_P(ExactDivisionBudget, LetsThroughWhatFits) {
    const BudgetCase& c = GetParam();
    const Rational mu(c.mu);
    EXPECT_EQ(exactDivisionFit(tessarivand::exactDivisionSizes(c.p, mu), c.withTable), c.fit);
    if (!c.inDialogue) return;
    const Session session = run(typedSession(c.p, c.mu), true, c.withTable);
    const bool divided = session.out.find("s'exprime comme suit") != std::string::npos;
    const bool tableShown = session.out.find("Tableau de Horner de la division") != std::string::npos;
    const bool tableNotice =
        session.out.find("Le tableau de Horner de cette division serait à lui seul") != std::string::npos;
    EXPECT_EQ(divided, c.fit != ExactDivisionFit::none);
    EXPECT_EQ(tableShown, c.fit == ExactDivisionFit::whole && c.withTable);
    EXPECT_EQ(tableNotice, c.fit == ExactDivisionFit::withoutTable);
    EXPECT_LE(session.out.size(), 16'000'000U);
}

const std::string ThirtyOverThirty = "123456789012345678901234567890/987654321098765432109876543211";
const std::string ThousandDigits(1000, '7');

INSTANTIATE_TEST_SUITE_P(
    Edges, ExactDivisionBudget,
    ::testing::Values(
        BudgetCase{"TwoThirds", classExercise(999, ""), "2/3", true, ExactDivisionFit::whole},
        BudgetCase{"MinusThreeHalves", classExercise(999, ""), "-3/2", true, ExactDivisionFit::whole},
        BudgetCase{"EightMegabytes", classExercise(999, ""), "123/457", true, ExactDivisionFit::whole},
        BudgetCase{"TwelveMegabytes", classExercise(999, ""), "1/10000", true, ExactDivisionFit::whole},
        BudgetCase{"FifteenMegabytes", classExercise(999, ""), "1/100000", true, ExactDivisionFit::whole},
        BudgetCase{"EighteenMegabytesWithTheTable", classExercise(999, ""), "1/1000000", true,
                   ExactDivisionFit::withoutTable, true},
        BudgetCase{"SixMegabytesWithoutTheTable", classExercise(999, ""), "1/1000000", false, ExactDivisionFit::whole},
        BudgetCase{"LongCoefficients", classExercise(999, ThousandDigits), "1/100000", true,
                   ExactDivisionFit::withoutTable},
        BudgetCase{"LongNegativeCoefficients", classExercise(999, "-" + ThousandDigits), "1/100000", true,
                   ExactDivisionFit::withoutTable},
        BudgetCase{"ThirtyDigitsOverThirty", classExercise(999, ""), ThirtyOverThirty, false, ExactDivisionFit::none},
        BudgetCase{"ThirtyDigitsOverThirtyAtDegreeThree", classExercise(3, ""), ThirtyOverThirty, true,
                   ExactDivisionFit::whole},
        // One common denominator, not the product of the distinct ones.
        BudgetCase{"ExponentialSeries", series(100, true), "1/2", true, ExactDivisionFit::whole},
        BudgetCase{"LogarithmSeries", series(999, false), "1/2", true, ExactDivisionFit::whole}),
    [](const ::testing::TestParamInfo<BudgetCase>& info) { return std::string(info.param.name); });

}  // namespace
