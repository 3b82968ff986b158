#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "console_capture.hpp"
#include "polynomial_builders.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace {

using tessarivand::Polynomial;
using tessarivand::testing::ConsoleCapture;
using tessarivand::testing::fromHighest;
using tessarivand::testing::StandardError;

std::string coefficientPrompt(int index) {
    return "\n\n Veuillez entrer un Nombre Réel :  Le Coefficient   a[" + std::to_string(index) + "]  =  ";
}

std::string coefficientConfirmation(int index, const std::string& shown) {
    return "\n\n\n Saisie Confirmée !!! \n\n\n Le nombre réel entré est \" Le Coefficient   a[" +
           std::to_string(index) + "]  =  " + shown + " \" .\n";
}

std::string leadingZeroBox(int index) {
    return "\n      *******************************************************************"
           "\n      *                          ATTENTION !                            *"
           "\n      *          Le degré de votre polynôme ne correspond pas           *"
           "\n      *        au plus grand indice des coefficients non nuls !!!       *"
           "\n      *                                                                 *"
           "\n      *******************************************************************"
           "\n\n\n Veuillez reprendre la saisie du coefficient a[" +
           std::to_string(index) + "] de votre polynôme s.v.p !\n\n";
}

// One coefficient asked and confirmed.
std::string asked(int index, const std::string& shown) {
    return coefficientPrompt(index) + coefficientConfirmation(index, shown);
}

constexpr const char* CoefficientBanner =
    "\n\n        ***************************************************************\n"
    "        ***        Saisie des coefficients de votre polynôme        *** \n"
    "        ***************************************************************\n\n\n\n\n\n"
    " Rappel :\n\n               ===  Le degré de votre polynôme est : ";

std::string entryTitle(int degree) { return CoefficientBanner + std::to_string(degree) + "  ===\n\n\n"; }

struct CoefficientsCase {
    const char* name;
    std::uint32_t degree;
    const char* input;
    std::vector<double> stored;  // from a[degree] down to a[0]
    std::string out;
    std::string err;
};

void PrintTo(const CoefficientsCase& c, std::ostream* os) { *os << c.name; }

class EnterCoefficients : public ::testing::TestWithParam<CoefficientsCase> {};

TEST_P(EnterCoefficients, AsksFromTheHighestIndexDownAndStoresEach) {
    const CoefficientsCase& c = GetParam();
    Polynomial p;
    p.degree = c.degree;
    const ConsoleCapture capture(c.input);
    p.enterCoefficients();
    EXPECT_EQ(capture.out(), c.out);
    EXPECT_EQ(capture.err(), c.err);
    for (std::uint32_t k = 0; k <= c.degree; ++k) EXPECT_EQ(p.coefficients[c.degree - k], c.stored[k]) << k;
}

INSTANTIATE_TEST_SUITE_P(
    TypedLines, EnterCoefficients,
    ::testing::Values(CoefficientsCase{"each in turn",
                                       2,
                                       "1\n0\n5\n",
                                       {1, 0, 5},
                                       entryTitle(2) + asked(2, "1") + asked(1, "0") + asked(0, "5"),
                                       ""},
                      // The box until the leading coefficient is not zero; a typed -0 is zero too.
                      CoefficientsCase{"leading zero",
                                       3,
                                       "0\n7\n8\n9\n0\n-0\n2\n",
                                       {2, 7, 8, 9},
                                       entryTitle(3) + asked(3, "0") + asked(2, "7") + asked(1, "8") + asked(0, "9") +
                                           leadingZeroBox(3) + asked(3, "0") + leadingZeroBox(3) + asked(3, "-0") +
                                           leadingZeroBox(3) + asked(3, "2"),
                                       ""},
                      CoefficientsCase{"the zero constant", 0, "0\n", {0}, entryTitle(0) + asked(0, "0"), ""},
                      // Text is refused on standard error, and the same index asked again
                      // without a new prompt.
                      CoefficientsCase{
                          "text refused",
                          1,
                          "deux\n2\n3\n",
                          {2, 3},
                          entryTitle(1) + asked(1, "2") + asked(0, "3"),
                          "\n\n Saisie incorrecte ! \n\n Vous avez entré autre chose qu'un nombre réel  !!!\n\n"
                          " Veuillez entrer de nouveau un \" Nombre Réel \" :  Le Coefficient   a[1]  =  "}));

TEST(Enter, WritesTheDegreeTitleReadsTheDegreeAndEndsWithTheDisplay) {
    Polynomial p;
    const ConsoleCapture capture("2\n1\n0\n5\n");
    p.enter();
    const std::string out = capture.out();
    EXPECT_TRUE(
        out.starts_with("\n\n\n        ***************************************************************\n"
                        "        ***           Saisie du degré de votre polynôme             ***\n"
                        "        ***************************************************************\n\n\n"
                        "\n\n Veuillez entrer un Nombre Entier Naturel Inférieur à 1000 :  deg(P) = "));
    EXPECT_TRUE(
        out.ends_with("\n P(X) = (1 X^2) + (5)\n\n\n"
                      "********************************************************************************"));
    EXPECT_EQ(p.degree, 2u);
}

TEST(Enter, ALowerDegreeLeavesTheHigherSlotsButShowsOnlyTheNewTerms) {
    Polynomial p;
    {
        const ConsoleCapture first("5\n6\n5\n4\n3\n2\n1\n");
        p.enter();
    }
    const ConsoleCapture second("2\n-1\n0\n8\n");
    p.enter();
    EXPECT_EQ(p.degree, 2u);
    EXPECT_EQ(p.coefficients[3], 4.0);
    EXPECT_EQ(p.coefficients[4], 5.0);
    EXPECT_EQ(p.coefficients[5], 6.0);
    EXPECT_TRUE(
        second.out().ends_with("\n P(X) = (-1 X^2) + (8)\n\n\n"
                               "********************************************************************************"));
}

struct DegreeCase {
    std::int32_t value;
    std::uint32_t stored;
    const char* warning;
};

void PrintTo(const DegreeCase& c, std::ostream* os) { *os << c.value; }

class SetDegree : public ::testing::TestWithParam<DegreeCase> {};

TEST_P(SetDegree, StoresOnlyDegreesThatFitTheCoefficients) {
    Polynomial p;
    p.degree = 7;
    const ConsoleCapture capture;
    p.setDegree(GetParam().value);
    EXPECT_EQ(p.degree, GetParam().stored);
    EXPECT_EQ(capture.out(), GetParam().warning);
}

constexpr const char* NegativeWarning = "\n\n  ATTENTION :  Le degré d'un Polynôme ne peut pas être négatif !!! ";
constexpr const char* TooLargeWarning = "\n\n  ATTENTION :  Le degré d'un Polynôme ne peut pas dépasser 999 !!! ";

INSTANTIATE_TEST_SUITE_P(Values, SetDegree,
                         ::testing::Values(DegreeCase{0, 0, ""}, DegreeCase{999, 999, ""},
                                           DegreeCase{-1, 7, NegativeWarning},
                                           DegreeCase{-2147483647 - 1, 7, NegativeWarning},
                                           DegreeCase{1000, 7, TooLargeWarning},
                                           DegreeCase{2147483647, 7, TooLargeWarning}));

class EnterCoefficientsPastTheSlots : public ::testing::TestWithParam<std::uint32_t> {};

// A degree set in the field directly, past setDegree: nothing may be written
// outside the coefficients (the sanitized build checks every index).
TEST_P(EnterCoefficientsPastTheSlots, WarnsAsksNothingAndChangesNothing) {
    Polynomial p = fromHighest({3.0, 2.0});
    p.degree = GetParam();
    const Polynomial before = p;
    const ConsoleCapture capture("4\n5\n");
    p.enterCoefficients();
    EXPECT_EQ(capture.out(), TooLargeWarning);
    EXPECT_EQ(p.coefficients, before.coefficients);
    EXPECT_EQ(p.mu, before.mu);
    EXPECT_EQ(p.degree, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Degrees, EnterCoefficientsPastTheSlots, ::testing::Values(1000u, 4294967295u));

void enterUntilTheEnd(const char* input) {
    const ConsoleCapture console(input, StandardError::real);
    Polynomial p;
    p.enter();
}

TEST(EnterAtEndOfInput, EndsTheProgramWithStatusOne) {
    const char* notice = "Fin des données en entrée : le programme s'arrête\\.\n$";
    EXPECT_EXIT(enterUntilTheEnd("3\n1\n2\n"), ::testing::ExitedWithCode(1), notice);
    EXPECT_EXIT(enterUntilTheEnd("1\n0\n4\n"), ::testing::ExitedWithCode(1), notice);  // inside the box
    EXPECT_EXIT(enterUntilTheEnd("2\n1\nx"), ::testing::ExitedWithCode(1), notice);
}

}  // namespace
