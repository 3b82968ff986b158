// The two settings that let a fuzz or test process run the dialogue inside
// itself: the end of input unwinds instead of exiting, and the end key comes
// from standard input even on a terminal.
#include <gtest/gtest.h>

#include <string>

#include "console_capture.hpp"
#include "tessarivand/console/key.hpp"
#include "tessarivand/console/streams.hpp"
#include "tessarivand/flow/program.hpp"
#include "tessarivand/flow/prompts.hpp"
#include "tessarivand/input/readers.hpp"
#include "test_seams.hpp"

namespace {

using tessarivand::testing::ConsoleCapture;
namespace console = tessarivand::console;

struct InputEnded {};
[[noreturn]] void throwInputEnded() { throw InputEnded{}; }
void doNothing() {}

// Puts the program's own settings back whatever the test does.
class InProcess : public ::testing::Test {
protected:
    void SetUp() override {
        console::setEndOfInputHandler(throwInputEnded);
        console::setKeySource(console::KeySource::standardInput);
    }
    void TearDown() override {
        console::setEndOfInputHandler(nullptr);
        console::setKeySource(console::KeySource::terminalWhenPresent);
    }
};

TEST_F(InProcess, EndOfInputUnwindsOutOfTheReaderAfterItsNotice) {
    const ConsoleCapture capture("abc\n\n");
    double value = 0.0;
    EXPECT_THROW(tessarivand::readReal(value, "µ"), InputEnded);
    EXPECT_TRUE(capture.err().ends_with("\n Fin des données en entrée : le programme s'arrête.\n")) << capture.err();
}

TEST_F(InProcess, EndOfInputUnwindsOutOfTheWholeDialogueAtEveryRead) {
    // Cut inside the degree, a coefficient, µ, the menu, and the end key.
    for (const char* input : {"", "1\n", "1\n2\n", "1\n2\n3\n", "1\n2\n3\n4\n", "1\n2\n3\n4\nx"}) {
        const ConsoleCapture capture(input);
        EXPECT_THROW(tessarivand::runProgram(), InputEnded) << input;
    }
}

TEST_F(InProcess, KeyFromStandardInputIsItsNextByte) {
    const ConsoleCapture capture("x\nr");
    EXPECT_EQ(tessarivand::askResumeOrQuit(), tessarivand::RunAnswer::resume);
    const std::string prompt =
        "\n\n\n\n  Appuyez sur 'R' ou 'r' pour Reprendre \n\n                ou bien                \n\n"
        "  Appuyez sur 'Q' ou 'q' pour Quitter \n\n";
    const std::string wrong = "\n\n  FAITES ATTENTION !!!\n\n Votre saisie est FAUSSE  !!! \n\n";
    EXPECT_EQ(capture.out(), prompt + wrong + prompt + wrong + prompt);
}

TEST_F(InProcess, WholeDialogueReturnsZeroOnQuit) {
    const ConsoleCapture capture("0\n5\n1\n4\nr0\n5\n1\n4\nq");
    EXPECT_EQ(tessarivand::runProgram(), 0);
}

void endWithAHandlerThatReturns() {
    console::setEndOfInputHandler(doNothing);
    console::endOfInput();
}

TEST(EndOfInputHandler, ThatReturnsStillEndsTheProcessWithStatusOne) {
    EXPECT_EXIT(endWithAHandlerThatReturns(), ::testing::ExitedWithCode(1), "le programme s'arrête");
}

}  // namespace
