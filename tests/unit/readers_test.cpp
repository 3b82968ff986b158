#include "tessarivand/input/readers.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

#include "console_capture.hpp"

namespace {

using tessarivand::Rational;
using tessarivand::readMenuChoice;
using tessarivand::readNatural;
using tessarivand::readReal;
using tessarivand::testing::ConsoleCapture;
using tessarivand::testing::StandardError;

constexpr const char* RealPrompt = "\n\n Veuillez entrer un Nombre Réel :  µ = ";
constexpr const char* RealRetry =
    "\n\n Saisie incorrecte ! \n\n Vous avez entré autre chose qu'un nombre réel  !!!\n\n"
    " Veuillez entrer de nouveau un \" Nombre Réel \" : µ = ";

std::string realConfirmation(const std::string& shown) {
    return "\n\n\n Saisie Confirmée !!! \n\n\n Le nombre réel entré est \" µ = " + shown + " \" .\n";
}

constexpr const char* NaturalPrompt = "\n\n Veuillez entrer un Nombre Entier Naturel Inférieur à 1000 :  deg(P) = ";
constexpr const char* NaturalRetry =
    "\n\n Saisie incorrecte ! \n\n Veuillez entrer de nouveau un \"Nombre Entier Naturel  Inférieur à 1000\" :\n\n"
    "                           deg(P) = ";

std::string naturalConfirmation(const std::string& shown) {
    return "\n\n\n Saisie Confirmée !!! \n\n\n Le nombre entier naturel entré est \" deg(P) = " + shown + " \" .\n\n\n";
}

constexpr const char* MenuPrompt = "\n\n Veuillez entrer 1 , 2 , 3 ou 4 :  Votre Choix = ";
constexpr const char* MenuNotANumber =
    "\n\n Saisie incorrecte ! \n\n Vous avez entré autre chose qu'un nombre entier  !!!\n\n"
    " Veuillez entrer de nouveau un \" Nombre Entier \" : Votre Choix = ";
constexpr const char* MenuOutOfRange =
    "\n\n Saisie incorrecte ! \n\n Vous avez entré un nombre entier non compris entre 1 et 4 !!!\n\n\n\n"
    " Veuillez entrer un \" Nombre Entier compris entre 1 et 4 \" : Votre Choix = ";

std::string menuConfirmation(const std::string& shown) {
    return "\n\n\n Saisie Confirmée !!! \n\n\n Le nombre entier entré est \" Votre Choix = " + shown + " \" .\n\n\n";
}

// One scripted answer, and what the reader must write on each stream.
struct ReaderCase {
    const char* input;
    double value;
    std::string out;
    std::string err;
    const char* leftInInput;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << '"' << c.input << '"'; }

template <typename Number>
void expectReads(void (*reader)(Number&, std::string), const char* name, const ReaderCase& c) {
    const ConsoleCapture capture(c.input);
    Number value{};
    reader(value, name);
    EXPECT_EQ(value, static_cast<Number>(c.value));
    EXPECT_EQ(capture.out(), c.out);
    EXPECT_EQ(capture.err(), c.err);
    std::string rest;
    std::getline(std::cin, rest, '\0');
    EXPECT_EQ(rest, c.leftInInput);
}

class ReadReal : public ::testing::TestWithParam<ReaderCase> {};
TEST_P(ReadReal, AcceptsConfirmsAndRecovers) { expectReads<double>(readReal, "µ", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    ScriptedLines, ReadReal,
    ::testing::Values(ReaderCase{"2.5\nnext\n", 2.5, RealPrompt + realConfirmation("2.5"), "", "next\n"},
                      ReaderCase{"-0.5\n", -0.5, RealPrompt + realConfirmation("-0.5"), "", ""},
                      ReaderCase{"1e3\n", 1000, RealPrompt + realConfirmation("1000"), "", ""},
                      ReaderCase{"12abc\nnext\n", 12, RealPrompt + realConfirmation("12"), "", "next\n"},
                      ReaderCase{"3,5\n", 3, RealPrompt + realConfirmation("3"), "", ""},
                      ReaderCase{"4 2\nnext\n", 4, RealPrompt + realConfirmation("4"), "", "next\n"},
                      ReaderCase{"3.14159265\n", 3.14159265, RealPrompt + realConfirmation("3.14159"), "", ""},
                      ReaderCase{"\n   \n\t\n7\n", 7, RealPrompt + realConfirmation("7"), "", ""},
                      ReaderCase{"abc\n2\n", 2, RealPrompt + realConfirmation("2"), RealRetry, ""},
                      ReaderCase{"1e999\n-\n.\nx5\n.5\n", 0.5, RealPrompt + realConfirmation("0.5"),
                                 std::string(RealRetry) + RealRetry + RealRetry + RealRetry, ""},
                      ReaderCase{"5", 5, RealPrompt + realConfirmation("5"), "", ""}));

class ReadNatural : public ::testing::TestWithParam<ReaderCase> {};
TEST_P(ReadNatural, AcceptsBelowAThousandOnly) { expectReads(readNatural, "deg(P)", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    ScriptedLines, ReadNatural,
    ::testing::Values(ReaderCase{"999\n", 999, NaturalPrompt + naturalConfirmation("999"), "", ""},
                      ReaderCase{"0\n", 0, NaturalPrompt + naturalConfirmation("0"), "", ""},
                      ReaderCase{"1000\n-1\n3\n", 3,
                                 NaturalPrompt + std::string(NaturalRetry) + NaturalRetry + naturalConfirmation("3"),
                                 "", ""},
                      ReaderCase{"abc\n3\n", 3, NaturalPrompt + naturalConfirmation("3"), NaturalRetry, ""},
                      ReaderCase{"5000000000\n.5\n3\n", 3, NaturalPrompt + naturalConfirmation("3"),
                                 std::string(NaturalRetry) + NaturalRetry, ""},
                      ReaderCase{"3.5\n", 3, NaturalPrompt + naturalConfirmation("3"), "", ""},
                      ReaderCase{"1e3\n", 1, NaturalPrompt + naturalConfirmation("1"), "", ""}));

class ReadMenuChoice : public ::testing::TestWithParam<ReaderCase> {};
TEST_P(ReadMenuChoice, AcceptsOneToFour) { expectReads(readMenuChoice, "Votre Choix", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    ScriptedLines, ReadMenuChoice,
    ::testing::Values(ReaderCase{"0\n5\n4\n", 4,
                                 MenuPrompt + std::string(MenuOutOfRange) + MenuOutOfRange + menuConfirmation("4"), "",
                                 ""},
                      ReaderCase{"x\n1\n", 1, MenuPrompt + menuConfirmation("1"), MenuNotANumber, ""},
                      ReaderCase{"2.7\n", 2, MenuPrompt + menuConfirmation("2"), "", ""},
                      ReaderCase{"3abc\n", 3, MenuPrompt + menuConfirmation("3"), "", ""},
                      ReaderCase{"4 2\n1\n", 4, MenuPrompt + menuConfirmation("4"), "", "1\n"}));

// Exact mode: readReal's texts, the value typed exactly, and a message of its
// own for each way a fraction or a number can be refused.
std::string exactRefusal(const std::string& reason) {
    return "\n\n Saisie incorrecte ! \n\n" + reason +
           "  !!!\n\n Veuillez entrer de nouveau un \" Nombre Réel \" : µ = ";
}

const std::string ExactRefusals = exactRefusal(
                                      " Après la barre de fraction \" / \", le dénominateur doit être un nombre\n"
                                      " entier naturel non nul, écrit avec des chiffres seulement") +
                                  exactRefusal(
                                      " Une fraction s'écrit avec deux nombres entiers, sans point décimal\n"
                                      " ni exposant, de part et d'autre de la barre \" / \"") +
                                  exactRefusal(" Une fraction s'écrit sans espace avant ni après la barre \" / \"") +
                                  exactRefusal(
                                      " Le calcul exact n'accepte que des nombres d'au plus 1000 chiffres,\n"
                                      " avec un exposant compris entre -1000 et 1000");

TEST(ReadExactReal, ConfirmsInLowestTermsAndSaysWhatIsWrong) {
    expectReads<Rational>(readReal, "µ",
                          {"abc\n2/x\n2/1.5\n2 /3\n1e5000\n-6/4 2\nnext", -1.5, RealPrompt + realConfirmation("-3/2"),
                           RealRetry + ExactRefusals, "next"});
}

TEST(ReaderOnAHugeLine, AnswersOnceAndTakesTheNextLine) {
    std::string input(std::size_t{8} * 1024 * 1024, 'z');
    input += "\n42\n";
    const ConsoleCapture capture(input);
    double value = 0;
    readReal(value, "µ");
    EXPECT_EQ(value, 42.0);
    EXPECT_EQ(capture.err(), RealRetry);
    EXPECT_EQ(capture.out(), RealPrompt + realConfirmation("42"));
}

// End of input: only standard input is scripted, so that the notice reaches
// the real standard error that the death test reads.
template <typename Number>
void readUntilTheEnd(void (*reader)(Number&, std::string), const char* input) {
    const ConsoleCapture console(input, StandardError::real);
    Number value{};
    reader(value, "x");
}

constexpr const char* NoticeAtTheEnd = "Fin des données en entrée : le programme s'arrête\\.\n$";

TEST(ReadersAtEndOfInput, EndTheProgramWithStatusOne) {
    EXPECT_EXIT(readUntilTheEnd<double>(readReal, ""), ::testing::ExitedWithCode(1), NoticeAtTheEnd);
    EXPECT_EXIT(readUntilTheEnd<double>(readReal, "\n\n  \n"), ::testing::ExitedWithCode(1), NoticeAtTheEnd);
    EXPECT_EXIT(readUntilTheEnd<double>(readReal, "abc"), ::testing::ExitedWithCode(1), NoticeAtTheEnd);
    EXPECT_EXIT(readUntilTheEnd(readNatural, "1000\n"), ::testing::ExitedWithCode(1), NoticeAtTheEnd);
    EXPECT_EXIT(readUntilTheEnd(readMenuChoice, "9\nx\n"), ::testing::ExitedWithCode(1), NoticeAtTheEnd);
    EXPECT_EXIT(readUntilTheEnd<Rational>(readReal, "2/"), ::testing::ExitedWithCode(1), NoticeAtTheEnd);
    EXPECT_EXIT(readUntilTheEnd<Rational>(readReal, "2 /3\n  "), ::testing::ExitedWithCode(1), NoticeAtTheEnd);
}

}  // namespace
