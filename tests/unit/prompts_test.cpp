// The typed-word variant of the end prompt. (The single-key prompt reads the
// terminal itself, so it is tested on the whole program: tests/transcripts
// and tests/program.)
#include "tessarivand/flow/prompts.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <iterator>
#include <string>

#include "console_capture.hpp"

namespace {

using tessarivand::RunAnswer;
using tessarivand::testing::ConsoleCapture;

constexpr const char* Prompt =
    "\n\n\n\n  Appuyez sur 'C' puis 'Entrée' pour Continuer \n\n                ou                \n\n"
    "  Appuyez sur 'Q' puis 'Entrée' pour Quitter \n\n";
constexpr const char* MoreThanOne = "\n\n  FAITES ATTENTION !!!\n\n vous avez entré plus d'un caractère !!! \n\n";
constexpr const char* NotCOrQ =
    "\n\n  FAITES ATTENTION !!!\n\n vous avez entré un caractère différent de 'C' et de 'Q' !!! \n\n";

struct ContinueCase {
    const char* name;
    const char* typed;
    RunAnswer answer;
    std::string shown;     // on standard output
    std::string leftOver;  // what stays in standard input for the next read
};

void PrintTo(const ContinueCase& c, std::ostream* out) { *out << c.name; }

class AskContinueOrQuit : public ::testing::TestWithParam<ContinueCase> {};

TEST_P(AskContinueOrQuit, AnswersAndLeavesTheRestOfTheLine) {
    const ContinueCase& c = GetParam();
    const ConsoleCapture capture(c.typed);
    EXPECT_EQ(tessarivand::askContinueOrQuit(), c.answer);
    EXPECT_EQ(capture.out(), c.shown);
    EXPECT_EQ(capture.err(), "");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(std::cin), {}), c.leftOver);
}

const std::string P = Prompt;

INSTANTIATE_TEST_SUITE_P(
    Words, AskContinueOrQuit,
    ::testing::Values(ContinueCase{"SmallC", "c\n", RunAnswer::resume, P, "\n"},
                      ContinueCase{"CapitalC", "C\n", RunAnswer::resume, P, "\n"},
                      ContinueCase{"SmallQ", "q\n", RunAnswer::quit, P, "\n"},
                      ContinueCase{"CapitalQ", "Q\n", RunAnswer::quit, P, "\n"},
                      ContinueCase{"EmptyLinesFirst", "\n  \n\tQ\n", RunAnswer::quit, P, "\n"},
                      ContinueCase{"BlankAndMoreAfterTheLetter", "C x\n5\n", RunAnswer::resume, P, " x\n5\n"},
                      ContinueCase{"TwoLetters", "CQ\nc\n", RunAnswer::resume, P + MoreThanOne + P, "\n"},
                      ContinueCase{"LongWord", "quitter\nq\n", RunAnswer::quit, P + MoreThanOne + P, "\n"},
                      ContinueCase{"OtherLetter", "x\nQ\n", RunAnswer::quit, P + NotCOrQ + P, "\n"},
                      ContinueCase{"Digit", "4\nc\n", RunAnswer::resume, P + NotCOrQ + P, "\n"},
                      ContinueCase{"AccentedLetterIsOneCharacter", "é\nc\n", RunAnswer::resume, P + NotCOrQ + P, "\n"}),
    [](const ::testing::TestParamInfo<ContinueCase>& info) { return std::string(info.param.name); });

TEST(AskContinueOrQuitDeathTest, EndsTheProgramAtTheEndOfInput) {
    EXPECT_EXIT(
        {
            const ConsoleCapture capture("  \n");
            tessarivand::askContinueOrQuit();
        },
        ::testing::ExitedWithCode(1), "");
}

}  // namespace
